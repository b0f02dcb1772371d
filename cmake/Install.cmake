# Where an installed game lives, under any prefix:
#   bin/valdmoor                          the launcher, on the PATH
#   libexec/valdmoor/valdmoor             the program itself
#   share/valdmoor/Assets/                its pictures and font
#   share/applications/valdmoor.desktop   the desktop's menu entry
#   share/icons/hicolor/<size>/apps/      the icon at 64 and 128 pixels
# The launcher finds the program, and the program its Assets/, by fixed paths
# relative to themselves, so an installation works under whatever prefix
# `cmake --install --prefix` puts it.

set(VALDMOOR_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/valdmoor)
set(VALDMOOR_DATA_DIR ${CMAKE_INSTALL_DATADIR}/valdmoor)

file(RELATIVE_PATH VALDMOOR_PROGRAM_FROM_LAUNCHER
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBEXECDIR}/valdmoor)
file(RELATIVE_PATH VALDMOOR_DATA_FROM_PROGRAM
    ${CMAKE_INSTALL_FULL_LIBEXECDIR}/valdmoor ${CMAKE_INSTALL_FULL_DATADIR}/valdmoor)

# The file reader looks there last, after the working folder and the
# program's own folder (resources/File.cpp).
target_compile_definitions(resources PRIVATE VALDMOOR_DATA_FROM_PROGRAM="${VALDMOOR_DATA_FROM_PROGRAM}")

configure_file(${PROJECT_SOURCE_DIR}/dist/valdmoor.in ${CMAKE_BINARY_DIR}/dist/valdmoor @ONLY)

install(TARGETS valdmoor RUNTIME DESTINATION ${VALDMOOR_PROGRAM_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/Assets DESTINATION ${VALDMOOR_DATA_DIR})
install(PROGRAMS ${CMAKE_BINARY_DIR}/dist/valdmoor DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/dist/valdmoor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 64 128)
    install(FILES ${CMAKE_BINARY_DIR}/icons/valdmoor-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME valdmoor.png)
endforeach()
