# Cross-compiling for 64-bit Windows with MinGW-w64 (Debian:
# g++-mingw-w64-x86-64-posix). Meant for the portable core
# (-DKAV_PORTABLE_CORE=ON); the tests run under wine when it is there.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(kav_mingw x86_64-w64-mingw32)
# The POSIX thread model: std::thread and std::mutex need it with GCC 12.
set(CMAKE_C_COMPILER ${kav_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${kav_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${kav_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${kav_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# -O2: at -O3 GCC 12 reports a false -Wrestrict in std::string's operator+
# (GCC bug 105651), which -Werror would turn into a failed build.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of a release build")
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of a release build")

# Self-contained programs: no MinGW runtime DLLs to find at run time.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(KAV_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(KAV_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KAV_WINE})
endif()
