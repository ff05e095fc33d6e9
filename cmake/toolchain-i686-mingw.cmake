# The shipped program: 32-bit Windows.
set(VELMORA_TRIPLE i686-w64-mingw32)
set(VELMORA_TRIPLE_CPU i686)
set(VELMORA_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
