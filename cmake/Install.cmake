# Where an installed game lives, under any prefix:
#   bin/valdmoor                          the launcher, on the PATH
#   games/valdmoor                        the launcher instead, in the Debian package
#   libexec/valdmoor/valdmoor             the program itself
#   share/games/valdmoor/Assets/          its pictures and font
#   share/applications/valdmoor.desktop   the desktop's menu entry
#   share/icons/hicolor/<size>/apps/      the icon at 64 and 128 pixels
#   share/metainfo/                       the software centres' description
#   share/man/man6/valdmoor.6.gz          the manual page
#   share/doc/valdmoor/copyright          the licences
# The launcher finds the program, and the program its Assets/, by fixed paths
# relative to themselves, so an installation works under whatever prefix
# `cmake --install --prefix` or the package puts it. Both launcher folders lie
# one level under the prefix, so the same launcher serves both.
#
# Everything but the launcher is in the component Game. The launcher on the
# PATH is in Launcher; the one in games/ is in GamesLauncher, which only the
# package asks for.

set(VALDMOOR_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/valdmoor)
set(VALDMOOR_DATA_DIR ${CMAKE_INSTALL_DATADIR}/games/valdmoor)
set(VALDMOOR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/valdmoor)
# No public address yet: the identifier and the contact use a reserved domain
# until the project has one of its own.
set(VALDMOOR_APPSTREAM_ID org.example.Valdmoor)

file(RELATIVE_PATH VALDMOOR_PROGRAM_FROM_LAUNCHER
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${VALDMOOR_PROGRAM_DIR})
file(RELATIVE_PATH VALDMOOR_DATA_FROM_PROGRAM
    ${CMAKE_INSTALL_PREFIX}/${VALDMOOR_PROGRAM_DIR} ${CMAKE_INSTALL_PREFIX}/${VALDMOOR_DATA_DIR})

# The file reader looks there last, after the working folder and the
# program's own folder (resources/File.cpp).
target_compile_definitions(resources PRIVATE VALDMOOR_DATA_FROM_PROGRAM="${VALDMOOR_DATA_FROM_PROGRAM}")

configure_file(${PROJECT_SOURCE_DIR}/dist/valdmoor.in ${CMAKE_BINARY_DIR}/dist/valdmoor @ONLY)

# Debian wants both gzipped at the highest level, without a time stamp.
set(manual_page ${CMAKE_BINARY_DIR}/dist/valdmoor.6.gz)
set(debian_changelog ${CMAKE_BINARY_DIR}/dist/changelog.Debian.gz)
add_custom_command(OUTPUT ${manual_page}
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/dist/valdmoor.6 > ${manual_page}
    DEPENDS ${PROJECT_SOURCE_DIR}/dist/valdmoor.6 VERBATIM)
add_custom_command(OUTPUT ${debian_changelog}
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/dist/changelog.Debian > ${debian_changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/dist/changelog.Debian VERBATIM)
add_custom_target(dist ALL DEPENDS ${manual_page} ${debian_changelog})

install(TARGETS valdmoor RUNTIME DESTINATION ${VALDMOOR_PROGRAM_DIR} COMPONENT Game)
install(DIRECTORY ${CMAKE_BINARY_DIR}/Assets DESTINATION ${VALDMOOR_DATA_DIR} COMPONENT Game)
install(FILES ${PROJECT_SOURCE_DIR}/dist/valdmoor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
    COMPONENT Game)
foreach(size 64 128)
    install(FILES ${CMAKE_BINARY_DIR}/icons/valdmoor-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME valdmoor.png COMPONENT Game)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/dist/valdmoor.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
    RENAME ${VALDMOOR_APPSTREAM_ID}.metainfo.xml COMPONENT Game)
install(FILES ${manual_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT Game)
install(FILES ${PROJECT_SOURCE_DIR}/dist/copyright DESTINATION ${VALDMOOR_DOC_DIR} COMPONENT Game)

install(PROGRAMS ${CMAKE_BINARY_DIR}/dist/valdmoor DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Launcher)
install(PROGRAMS ${CMAKE_BINARY_DIR}/dist/valdmoor DESTINATION games COMPONENT GamesLauncher EXCLUDE_FROM_ALL)
install(FILES ${debian_changelog} DESTINATION ${VALDMOOR_DOC_DIR} COMPONENT GamesLauncher EXCLUDE_FROM_ALL)
