# What `cmake --install` (and `make install PREFIX=…`) puts where, and the
# Debian package that CPack builds from the same rules (`make package`).
include(GNUInstallDirs)

# `make install` and `make package` build the program and its documents
# first; CPack need not build every test and bench target again.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# Every file is in one named component, so that an install of just that
# component (the install test's, CPack's) keeps its list of files apart from
# the install_manifest.txt that `make uninstall` reads.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME kareto)

# Debian keeps games in games/ beside bin/, their manual pages in section 6.
set(KARETO_GAMES_DIR games)
# The strips beside the program, read when its working directory holds none.
set(KARETO_PICTURES_DIR ${CMAKE_INSTALL_DATADIR}/kareto/pictures)
set(KARETO_ICONS_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
# Started from any other folder, the program finds the installed strips beside itself.
file(RELATIVE_PATH kareto_pictures_from_games /${KARETO_GAMES_DIR} /${KARETO_PICTURES_DIR})
target_compile_definitions(kareto_window_pieces PRIVATE KARETO_INSTALLED_PICTURES="${kareto_pictures_from_games}")

install(TARGETS kareto RUNTIME DESTINATION ${KARETO_GAMES_DIR})
install(FILES pictures/r1.bmp pictures/r2.bmp pictures/r3.bmp DESTINATION ${KARETO_PICTURES_DIR})
install(FILES pictures/kareto-32.png DESTINATION ${KARETO_ICONS_DIR}/32x32/apps RENAME kareto.png)
install(FILES pictures/kareto-48.png DESTINATION ${KARETO_ICONS_DIR}/48x48/apps RENAME kareto.png)
install(FILES pictures/kareto-128.png DESTINATION ${KARETO_ICONS_DIR}/128x128/apps RENAME kareto.png)
install(FILES pictures/kareto.svg DESTINATION ${KARETO_ICONS_DIR}/scalable/apps)
# What software centres show of the program.
install(FILES packaging/kareto.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME io.github.kareto.metainfo.xml)
install(FILES ${KARETO_DOCS_DIR}/kareto.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${KARETO_DOCS_DIR}/changelog.gz ${KARETO_DOCS_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The entry names the program by name, as found on the PATH (games/ is on
# Debian's), so that the same entry serves any prefix and the package.
install(FILES packaging/kareto.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

include(cmake/package.cmake)
