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
# The program reads its strips from its working directory; the desktop entry
# starts it in this folder.
set(KARETO_PICTURES_DIR ${CMAKE_INSTALL_DATADIR}/kareto/pictures)
set(KARETO_ICONS_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

install(TARGETS kareto RUNTIME DESTINATION ${KARETO_GAMES_DIR})
install(FILES pictures/r1.bmp pictures/r2.bmp pictures/r3.bmp DESTINATION ${KARETO_PICTURES_DIR})
install(FILES pictures/kareto-32.png DESTINATION ${KARETO_ICONS_DIR}/32x32/apps RENAME kareto.png)
install(FILES pictures/kareto-128.png DESTINATION ${KARETO_ICONS_DIR}/128x128/apps RENAME kareto.png)
install(FILES ${KARETO_DOCS_DIR}/kareto.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${KARETO_DOCS_DIR}/changelog.gz ${KARETO_DOCS_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The desktop entry holds absolute paths, and `cmake --install --prefix` may
# choose the prefix only now, so the entry is written at install time.
install(CODE "
    set(KARETO_EXEC \"\${CMAKE_INSTALL_PREFIX}/${KARETO_GAMES_DIR}/kareto\")
    set(KARETO_PICTURES \"\${CMAKE_INSTALL_PREFIX}/${KARETO_PICTURES_DIR}\")
    configure_file(\"${CMAKE_CURRENT_SOURCE_DIR}/packaging/kareto.desktop.in\"
                   \"${CMAKE_CURRENT_BINARY_DIR}/packaging/kareto.desktop\" @ONLY)
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
         TYPE FILE FILES \"${CMAKE_CURRENT_BINARY_DIR}/packaging/kareto.desktop\")
")

include(cmake/package.cmake)
