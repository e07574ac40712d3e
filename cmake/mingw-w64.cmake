# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix thread
# model, which std::thread and Qt need), running what was built under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

# Libraries and headers come from the cross prefixes only; programs from the host.
# The prefixes given (Qt, ERFA, GoogleTest built for Windows) count as roots too.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(KORINDE_WINE NAMES wine)
if(KORINDE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KORINDE_WINE})
endif()
