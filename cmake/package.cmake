# The Debian package (`make package`), built by CPack from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kareto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KARETO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for the reach-me patterns of a pachislot machine")
set(CPACK_PACKAGE_DESCRIPTION
"Kareto (カレト職人養成マシーン) shows the three reels of one pachislot
machine. Spin them and stop each reel, step a reel by one cell, or let auto
play run: for every stop pattern it shows where the reels stand and what the
pattern means, whether a reach-me for the BIG or REG bonus, a small prize, a
miss, or a pattern the machine would never stop on. A table of every pattern
and a drill that brings back the patterns answered wrong help to learn them.
Its windows are in Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Only this one component: its install keeps the user's install manifest.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};kareto;kareto;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Strips the program as Debian does, the compiler's notes included.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip_package.cmake)
# The libraries the binary links come from dpkg-shlibdeps; libqt6gui6 among
# them carries the X11 platform plugin, libnlopt0 fits the memory model. Nothing links the font every window is
# set in; without it the texts show as boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SQLite driver is a plugin loaded at run time, which shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, libqt6sql6-sqlite")
# Qt's Japanese texts for its file dialogs and message boxes come with every
# other language's (13 MB); without them those few texts stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
