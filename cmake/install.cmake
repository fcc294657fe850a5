# What `cmake --install` (and `make install PREFIX=…`) puts where, and the
# Debian package that CPack builds from the same rules (`make package`).
include(GNUInstallDirs)

# `make install` and `make package` build first; CPack need not build every
# test and bench target again before it packages the program.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The program reads its strips from its working directory; the desktop entry
# starts it in this folder.
set(KARETO_PICTURES_DIR ${CMAKE_INSTALL_DATADIR}/kareto/pictures)
set(KARETO_ICONS_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

install(TARGETS kareto RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES pictures/r1.bmp pictures/r2.bmp pictures/r3.bmp DESTINATION ${KARETO_PICTURES_DIR})
install(FILES pictures/kareto-32.png DESTINATION ${KARETO_ICONS_DIR}/32x32/apps RENAME kareto.png)
install(FILES pictures/kareto-128.png DESTINATION ${KARETO_ICONS_DIR}/128x128/apps RENAME kareto.png)

# The desktop entry holds absolute paths, and `cmake --install --prefix` may
# choose the prefix only now, so the entry is written at install time.
install(CODE "
    set(KARETO_EXEC \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kareto\")
    set(KARETO_PICTURES \"\${CMAKE_INSTALL_PREFIX}/${KARETO_PICTURES_DIR}\")
    configure_file(\"${CMAKE_CURRENT_SOURCE_DIR}/packaging/kareto.desktop.in\"
                   \"${CMAKE_CURRENT_BINARY_DIR}/packaging/kareto.desktop\" @ONLY)
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
         TYPE FILE FILES \"${CMAKE_CURRENT_BINARY_DIR}/packaging/kareto.desktop\")
")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kareto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "kareto developers <kareto@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Trainer for the reach-me patterns of a three-reel pachislot machine")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the binary links come from dpkg-shlibdeps. Nothing links the
# X11 platform plugin, which libqt6gui6 only recommends, nor the font every
# window is set in; without them the program shows nothing, or boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
include(CPack)
