# The same sources for 64-bit Windows: what the tests run under Wine on hosts
# whose kernel executes no 32-bit code (no wine32 there).
set(VELMORA_TRIPLE x86_64-w64-mingw32)
set(VELMORA_TRIPLE_CPU x86_64)
set(VELMORA_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
