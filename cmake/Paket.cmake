# What `cmake --install` places and how `cpack -G DEB` packs it: the three programs, the desktop
# entry with its icon, the README and the licence.
include(GNUInstallDirs)

set(TVM5R_PAKETNAME tvm5r-kurvengenerator)
set(TVM5R_DOKU ${CMAKE_INSTALL_DATADIR}/doc/${TVM5R_PAKETNAME})

install(TARGETS tvm5r tvm5r-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TVM5R_GUI)
  install(TARGETS tvm5r-kurvengenerator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/${TVM5R_PAKETNAME}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(groesse 16 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/symbol/${TVM5R_PAKETNAME}-${groesse}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${groesse}x${groesse}/apps
            RENAME ${TVM5R_PAKETNAME}.png)
  endforeach()
endif()
# The README shows the picture of the curves panel from docs/, so it keeps that path beside it.
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${TVM5R_DOKU})
install(FILES ${CMAKE_SOURCE_DIR}/docs/kurvenpanel.png DESTINATION ${TVM5R_DOKU}/docs)

set(CPACK_PACKAGE_NAME ${TVM5R_PAKETNAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kurvengenerator TVM-5R: Zeitkurven zeichnen und übertragen")
set(CPACK_PACKAGE_DESCRIPTION
    "Desktop program with a German user interface for the TVM-5R curve-generator box on an \
RS-232 line, with the command-line tool tvm5r and the simulated box tvm5r-sim.")
set(CPACK_PACKAGE_CONTACT "TVM-5R Kurvengenerator <tvm5r-kurvengenerator@localhost>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_LICENSE GPL-3.0-or-later)
# dpkg-shlibdeps (dpkg-dev) finds the libraries the programs link. What Qt loads at run time it
# cannot see: the platform plugins (the window on X11 or Wayland), and the German texts of Qt's
# own dialogs, without which those dialogs speak English.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TVM5R_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
endif()
include(CPack)
