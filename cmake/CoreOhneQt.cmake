# Fails when a core file includes Qt. Core files are all sources and headers of the subsystem
# folders except the panel files, which the desktop program's library lists (GUI_QUELLEN).
string(REPLACE "|" ";" GUI_QUELLEN "${GUI_QUELLEN}")
set(panelnamen "")
foreach(quelle IN LISTS GUI_QUELLEN)
  get_filename_component(ordner "${quelle}" DIRECTORY)
  get_filename_component(name "${quelle}" NAME_WE)
  list(APPEND panelnamen "${ordner}/${name}")
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/IncludeSuche.cmake)
tvm5r_includes_suchen("app;base;config;curves;characteristic;direct;device;editor"
                      "[<\"](Q[A-Za-z]|qcustomplot)" "${panelnamen}" treffer anzahl)
if(treffer)
  message(FATAL_ERROR "Core files include Qt:\n${treffer}")
endif()
message(STATUS "${anzahl} core files checked, none includes Qt")
