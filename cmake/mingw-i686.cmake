# Cross-compiling the 32-bit Windows game with Debian's MinGW-w64 (POSIX thread model, for
# std::thread). Everything is linked statically: no DLL has to travel beside the programs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# SSE2 arithmetic rounds doubles as x86-64 does (x87 would keep 80 bits), so that the simulator
# replays the Linux runs exactly; the robot's SSE2 code needs it as well. Windows keeps stacks and
# malloc's blocks aligned to 4 and 8 bytes only: 16-byte vectors (the expert's) need the stack
# realigned where they live and `new` to align them itself.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign -faligned-new=8")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
