# Cross-compiling for 64-bit ARM Linux with Debian's g++-aarch64-linux-gnu; the programs are linked
# statically so that qemu-aarch64 runs them without an ARM system root.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
