# Cross-build for 64-bit Windows with Debian's clang, against the MinGW-w64
# headers and the -posix runtime of Debian's MinGW-w64 GCC (its libstdc++,
# which GoogleTest's threads need), linked by lld.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(mingw_gcc /usr/lib/gcc/x86_64-w64-mingw32/12-posix)
set(CMAKE_CXX_FLAGS_INIT "-isystem ${mingw_gcc}/include/c++ -isystem ${mingw_gcc}/include/c++/x86_64-w64-mingw32")
# libgcc_eh of the -posix runtime needs winpthread, which the driver does not
# name; lld finds a symbol in an archive wherever it stands on the command line
# (GNU ld, which needs it whole and first, warns of every type name that clang
# and GCC lay out differently).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${mingw_gcc} -lpthread")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${CMAKE_EXE_LINKER_FLAGS_INIT}")

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
