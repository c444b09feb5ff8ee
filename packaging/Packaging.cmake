# Installation and the Debian package.
#
#   cmake --install build [--prefix DIR]
#   cd build && cpack -G DEB      # ventil_<version>_<arch>.deb
#
# One application id names the desktop entry, the icon and the metainfo, so
# desktops and software centres tie them together.
include(GNUInstallDirs)

set(VENTIL_APP_ID cz.ventil.Ventil)
set(VENTIL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/ventil)

# Qt and the C++ runtime come from the system: no RPATH pointing beside the binary.
set_target_properties(ventil PROPERTIES INSTALL_RPATH "")
install(TARGETS ventil RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${VENTIL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${VENTIL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
# Squared copies of res/ikona*.png and res/ikona.svg, made by make_icons.py.
foreach(velikost 32 64)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${VENTIL_APP_ID}-${velikost}.png
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${velikost}x${velikost}/apps
            RENAME ${VENTIL_APP_ID}.png)
endforeach()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${VENTIL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
# The font is built into the program; its licence goes with it.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${PROJECT_SOURCE_DIR}/res/fonts/OFL.txt
        DESTINATION ${VENTIL_DOCDIR})

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
include(CPack)
