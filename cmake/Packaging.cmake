# The Debian package: cpack -G DEB in a build folder. Its dependencies come
# from dpkg-shlibdeps over every installed program and library, plus what the
# game loads by name at run time.

set(CPACK_PACKAGE_NAME tumbla)
set(CPACK_PACKAGE_VENDOR "Tumbla")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game: remove groups of stones of one colour")
set(CPACK_PACKAGE_DESCRIPTION
    "Tumbla is a single-player puzzle game in Czech. Click a group of two or more
touching stones of one colour to remove it: the stones above fall and empty
columns close up. Jokers, glass, rocks, wells, the transformer and turns of
gravity add more to think about. The package also holds tumbla-cli, the
whole game on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tumbla developers <tumbla@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its Czech texts by name, so no library link shows the need.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# On a Wayland desktop the game then runs on Wayland itself, not through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
