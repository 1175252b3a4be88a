# Cross-compiles the program for 64-bit Windows with the MinGW-w64 toolchain (Debian:
# g++-mingw-w64-x86-64):  cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(POLYDUMP_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${POLYDUMP_MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${POLYDUMP_MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${POLYDUMP_MINGW_PREFIX}-windres)

# Libraries and headers come from the cross toolchain only, programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${POLYDUMP_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
