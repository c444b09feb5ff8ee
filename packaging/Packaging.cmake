# Installation and the Debian package.
#
#   cmake --install build [--prefix DIR]
#   bash scripts/package.sh       # build-deb/ventil_<version>_<arch>.deb
#
# The desktop entry, the icons and the metainfo are named by VENTIL_APP_ID;
# the metainfo and the manual page take the version and date of the
# changelog's top entry (Vydani.cmake).
include(GNUInstallDirs)

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
set(VENTIL_PACKAGING ${CMAKE_CURRENT_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ventil.desktop.in
               ${VENTIL_PACKAGING}/${VENTIL_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ventil.metainfo.xml.in
               ${VENTIL_PACKAGING}/${VENTIL_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ventil.1.in ${VENTIL_PACKAGING}/ventil.1 @ONLY)
set(VENTIL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/ventil)
# Directories the install makes are rwxr-xr-x whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Qt and the C++ runtime come from the system: no RPATH pointing beside the binary.
set_target_properties(ventil PROPERTIES INSTALL_RPATH "")
install(TARGETS ventil RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (the package's) drops the compilers' notes too, as
# Debian's own packages do.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/ventil\"
        COMMAND_ERROR_IS_FATAL ANY)
endif()")
install(FILES ${VENTIL_PACKAGING}/${VENTIL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${VENTIL_PACKAGING}/${VENTIL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
# Squared copies of res/ikona*.png and res/ikona.svg, made by make_icons.py.
foreach(velikost 32 64)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/ventil-${velikost}.png
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${velikost}x${velikost}/apps
            RENAME ${VENTIL_APP_ID}.png)
endforeach()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/ventil.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps
        RENAME ${VENTIL_APP_ID}.svg)
# The font is built into the program; its licence goes with it.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${PROJECT_SOURCE_DIR}/res/fonts/OFL.txt
        DESTINATION ${VENTIL_DOCDIR})

# The changelog and the manual page, compressed as Debian wants them and the
# same bytes every time: gzip -n stores neither name nor time.
find_program(GZIP gzip REQUIRED)
set(VENTIL_GZ)
foreach(soubor ${CMAKE_CURRENT_LIST_DIR}/changelog ${VENTIL_PACKAGING}/ventil.1)
    get_filename_component(nazev ${soubor} NAME)
    set(gz ${VENTIL_PACKAGING}/gz/${nazev}.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND ${CMAKE_COMMAND} -E copy ${soubor} ${VENTIL_PACKAGING}/gz/${nazev}
        COMMAND ${GZIP} -9nf ${VENTIL_PACKAGING}/gz/${nazev}
        DEPENDS ${soubor}
        VERBATIM)
    list(APPEND VENTIL_GZ ${gz})
endforeach()
add_custom_target(ventil_docs ALL DEPENDS ${VENTIL_GZ})
install(FILES ${VENTIL_PACKAGING}/gz/changelog.gz DESTINATION ${VENTIL_DOCDIR})
install(FILES ${VENTIL_PACKAGING}/gz/ventil.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME ventil)
set(CPACK_PACKAGE_VENDOR "Ventil developers")
set(CPACK_PACKAGE_CONTACT "Ventil developers <ventil@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Ventil computes the flow coefficient kvs of a control valve from the flow
through it and the pressure drop across it, for water, steam or condensate.
The flow is typed in or computed from a heat power. Its window is in Czech.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Native Wayland windows; without it Qt uses X11 through XWayland. Qt's own
# texts (the fields' context menus) in Czech; without them they are English
# and the program works all the same, so they are recommended, which apt
# installs by default, rather than required.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
# Control files 0644 (scripts 0755), as dpkg and lintian expect.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
include(CPack)
