# Shared by both MinGW-w64 toolchains. VELMORA_THREADS picks the compiler
# variant: -posix carries std::thread and std::mutex, which GoogleTest needs;
# -win32 leaves the winpthread library out of a program that has one thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VELMORA_TRIPLE_CPU})

set(CMAKE_C_COMPILER   ${VELMORA_TRIPLE}-gcc-${VELMORA_THREADS})
set(CMAKE_CXX_COMPILER ${VELMORA_TRIPLE}-g++-${VELMORA_THREADS})
set(CMAKE_RC_COMPILER  ${VELMORA_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Nothing of libgcc, libstdc++ or winpthread may be left for the user to find.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../tools/setup/wine-run.sh")
