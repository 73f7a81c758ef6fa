# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the -posix variant: std::thread and
# std::mutex need its winpthreads). Used for Qt itself and, through CMakePresets.json, for Vendrix.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VENDRIX_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VENDRIX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VENDRIX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VENDRIX_MINGW_TRIPLE}-windres)

# Libraries and headers come from the MinGW sysroot (and from Qt for Windows, which the build adds);
# programs run during the build are the host's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VENDRIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
