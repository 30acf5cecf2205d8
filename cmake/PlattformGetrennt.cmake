# Fails when a program source outside platform/ includes a header of the operating system: the
# program builds for Linux and Windows from the same files, with the system calls in platform/.
set(systemkoepfe "unistd|termios|fcntl|poll|signal|pwd|grp|dirent|pty|dlfcn|libudev|windows|winbase|winreg|winioctl|setupapi|io|direct|process|conio|sys/[a-z_]+|linux/[a-z_]+|asm/[a-z_]+")
include(${CMAKE_CURRENT_LIST_DIR}/IncludeSuche.cmake)
tvm5r_includes_suchen("app;base;cli;config;curves;characteristic;device;direct;editor;sim;ui"
                      "<(${systemkoepfe})\\.h>" "" treffer anzahl)
if(treffer)
  message(FATAL_ERROR "System headers outside platform/:\n${treffer}")
endif()
message(STATUS "${anzahl} program files checked, none includes a system header")
