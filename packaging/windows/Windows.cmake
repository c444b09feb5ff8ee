# The Windows edition around ventil.exe (cross build only, see
# cmake/MinGW-w64.cmake and scripts/windows.sh): its icon and version
# resource, hardened and reproducible linking, the MSI, and their checks.
#
#   cmake --build build-windows --target ventil_msi   # build-windows/ventil-VERSION-x64.msi
enable_language(RC)
set(VENTIL_WINDOWS ${CMAKE_CURRENT_LIST_DIR})
set(VENTIL_WINDOWS_BIN ${CMAKE_BINARY_DIR}/packaging/windows)

if(NOT TARGET ventil)
    add_subdirectory(${VENTIL_WINDOWS}/zastupce ${VENTIL_WINDOWS_BIN}/zastupce)
endif()

# Resources: the icon as 1, the version from the changelog (Vydani.cmake).
set(VENTIL_IKONA ${VENTIL_WINDOWS}/ventil.ico)
string(SUBSTRING ${VENTIL_DATUM_VYDANI} 0 4 VENTIL_ROK)
configure_file(${VENTIL_WINDOWS}/ventil.rc.in ${VENTIL_WINDOWS_BIN}/ventil.rc @ONLY)
set_source_files_properties(${VENTIL_WINDOWS_BIN}/ventil.rc PROPERTIES OBJECT_DEPENDS ${VENTIL_IKONA})
target_sources(ventil PRIVATE ${VENTIL_WINDOWS_BIN}/ventil.rc)

# Address-space randomisation with 64-bit entropy and no executable data,
# stated even where the linker defaults to them. No time stamp in the PE
# header and no build paths in the code, so two builds are the same bytes;
# stripped but in a Debug build.
target_link_options(ventil PRIVATE -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat
                    -Wl,--no-insert-timestamp $<$<NOT:$<CONFIG:Debug>>:-s>)
target_compile_options(ventil PRIVATE -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                       -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)

if(BUILD_TESTING)
    # ventil.exe as Windows sees it: x64 GUI, hardened, Windows' own DLLs
    # only, one sound resource section with icon, version and manifest.
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    add_test(NAME windows_exe
             COMMAND ${Python3_EXECUTABLE} ${VENTIL_WINDOWS}/check_exe.py ${CMAKE_OBJDUMP}
                     ${PROJECT_VERSION} $<TARGET_FILE:ventil>)
endif()
