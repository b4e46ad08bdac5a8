# Shared part of the two MinGW-w64 toolchain files; VESTREL_TRIPLE is set by the caller.
set(CMAKE_C_COMPILER   ${VESTREL_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VESTREL_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${VESTREL_TRIPLE}-windres)
set(VESTREL_WIDL       ${VESTREL_TRIPLE}-widl)
set(CMAKE_FIND_ROOT_PATH /usr/${VESTREL_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests run under Wine in the project's private prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
