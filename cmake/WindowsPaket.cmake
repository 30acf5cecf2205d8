# What `cmake --install` places on Windows and how `cpack -G ZIP` packs it: the programs, the
# README and the licence, in paket/tvm5r-windows-<version>.zip.
install(TARGETS tvm5r RUNTIME DESTINATION .)
if(TVM5R_GUI)
  install(TARGETS tvm5r-kurvengenerator RUNTIME DESTINATION .)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tvm5r)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME tvm5r-windows-${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
include(CPack)
