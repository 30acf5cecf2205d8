# Cross-build for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix). The posix
# thread model, because the program uses std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TVM5R_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TVM5R_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TVM5R_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TVM5R_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TVM5R_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs that need nothing beyond Windows' own DLLs: the C++ runtime and the thread library
# linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
