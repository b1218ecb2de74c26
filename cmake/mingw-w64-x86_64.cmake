# Cross-builds Windows x86-64 programs with Debian's MinGW-w64 (the posix thread model, for
# std::thread and friends), linked statically so that an .exe needs no DLL of the toolchain.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZERAPOL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZERAPOL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZERAPOL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZERAPOL_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZERAPOL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
