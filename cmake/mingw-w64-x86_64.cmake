# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (posix threads,
# which std::thread and Qt need). Used for Qt's own build and for Quorrel's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_quorrel_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_quorrel_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_quorrel_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_quorrel_triple}-windres)

# Headers and libraries come from the MinGW tree (and the prefixes a caller
# adds to CMAKE_FIND_ROOT_PATH); programs, such as Qt's host tools, from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${_quorrel_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
