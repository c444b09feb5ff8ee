# The Windows edition around ventil.exe (cross build only, see
# cmake/MinGW-w64.cmake and scripts/windows.sh): its icon and version
# resource, hardened and reproducible linking, and the MSI. Their checks are
# in tests/win32/.
#
#   cmake --build build-windows --target ventil_msi   # build-windows/ventil-VERSION-x64.msi
if(NOT TARGET ventil)
    message(STATUS "No target ventil (the Win32 window): no resources, MSI or their tests")
    return()
endif()
enable_language(RC)
set(VENTIL_WINDOWS ${CMAKE_CURRENT_LIST_DIR})
set(VENTIL_WINDOWS_BIN ${CMAKE_BINARY_DIR}/packaging/windows)

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
# Built where the deliverables lie: build-windows/ventil.exe.
set_target_properties(ventil PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The MSI. Its time is the last commit's (or SOURCE_DATE_EPOCH's), so a
# rebuild of the same commit is the same bytes; outside a clone, the
# release date's.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(VENTIL_EPOCHA $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE VENTIL_EPOCHA OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE vysledek ERROR_QUIET)
    if(NOT vysledek EQUAL 0)
        execute_process(COMMAND date -u -d ${VENTIL_DATUM_VYDANI} +%s
                        OUTPUT_VARIABLE VENTIL_EPOCHA OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
endif()
find_program(VENTIL_WIXL wixl)
find_program(VENTIL_FAKETIME faketime)

# ventil_msi(TARGET VERSION DIRECTORY [ALL]): DIRECTORY/ventil-VERSION-x64.msi
# holding ventil.exe, its path in TARGET_SOUBOR. The product and package codes are derived from the
# version: the same version is the same product, a new one upgrades it.
function(ventil_msi cil verze adresar)
    set(upgrade_code D458381E-E432-424D-9D8E-1CE1112CBF8A)
    string(UUID VENTIL_MSI_PRODUKT NAMESPACE ${upgrade_code} NAME "product ${verze}" TYPE SHA1 UPPER)
    string(UUID VENTIL_MSI_BALICEK NAMESPACE ${upgrade_code} NAME "package ${verze}" TYPE SHA1 UPPER)
    set(VENTIL_MSI_VERZE ${verze})
    set(wxs ${VENTIL_WINDOWS_BIN}/ventil-${verze}.wxs)
    configure_file(${VENTIL_WINDOWS}/ventil.wxs.in ${wxs} @ONLY)
    set(msi ${adresar}/ventil-${verze}-x64.msi)
    add_custom_command(OUTPUT ${msi}
        COMMAND bash ${VENTIL_WINDOWS}/msi.sh ${VENTIL_WIXL} ${wxs} $<TARGET_FILE:ventil>
                ${VENTIL_IKONA} ${VENTIL_EPOCHA} ${VENTIL_MSI_BALICEK} ${msi}
        DEPENDS ventil ${wxs} ${VENTIL_WINDOWS}/msi.sh ${VENTIL_IKONA}
        VERBATIM)
    add_custom_target(${cil} ${ARGN} DEPENDS ${msi})
    set(${cil}_SOUBOR ${msi} PARENT_SCOPE)
endfunction()

if(VENTIL_WIXL AND VENTIL_FAKETIME)
    ventil_msi(ventil_msi ${PROJECT_VERSION} ${CMAKE_BINARY_DIR} ALL)
else()
    message(WARNING "wixl or faketime not found (Debian: msitools wixl faketime): no MSI")
endif()
