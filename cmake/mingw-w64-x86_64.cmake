# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (package
# g++-mingw-w64-x86-64):
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# scripts/check-windows builds the program and the tests this way.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The program needs no threads and builds with the default compilers.
# GoogleTest needs std::mutex, which only MinGW's posix thread model has:
# -DGLIMMERKIST_MINGW_THREADS=posix picks those compilers.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES GLIMMERKIST_MINGW_THREADS GLIMMERKIST_WINDOWS_DEPS)
set(mingw_suffix "")
if(GLIMMERKIST_MINGW_THREADS STREQUAL "posix")
  set(mingw_suffix "-posix")
endif()
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc${mingw_suffix})
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++${mingw_suffix})
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Libraries and packages come only from the MinGW tree and from folders that
# the build adds (GoogleTest built for Windows); programs run on the host.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${GLIMMERKIST_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime is linked in, so glimmerkist.exe runs on its own, without
# the MinGW DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
