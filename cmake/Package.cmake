# `cpack -G DEB` in a build folder makes valdmoor_<version>_<arch>.deb, laid
# out as Debian's games are: the launcher in /usr/games, the program among the
# private binaries, the data under /usr/share/games. The package's
# dependencies are read off the program by dpkg-shlibdeps.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME valdmoor)
set(CPACK_PACKAGE_VENDOR "The Valdmoor developers")
set(CPACK_PACKAGE_CONTACT "The Valdmoor developers <valdmoor@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-player board and card game with a shared king")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Game GamesLauncher)

set(CPACK_DEBIAN_PACKAGE_NAME valdmoor)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack puts the summary on the first line itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Red and White share one king on a 9 by 9 board. Cards move the king and
leave stones; knights convert the other side's stones; a side scores the
sum of the squares of its groups. Two people play at one machine, or one
person plays against the computer at three difficulties.")

include(CPack)
