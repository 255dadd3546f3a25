# Cross-compiles for 64-bit Windows with mingw-w64: the same program for running the Windows
# tests under a 64-bit-only Wine, on machines whose kernel cannot run 32-bit code.
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
