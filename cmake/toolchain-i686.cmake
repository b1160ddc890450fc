# Cross build of the logic and its tests for i686 with Debian's cross
# compiler and the target's libraries from Debian's multiarch packages
# (scripts/cross-test). Linked statically, so that the tests run under
# qemu-user without the target's loader and shared libraries.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(QORVI_STATIC ON CACHE BOOL "Link the programs statically")
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
