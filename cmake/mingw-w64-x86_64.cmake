# Cross-compiles the same sources as a 64-bit Windows build. The product ships
# 32-bit only; this build exists to run the Windows-side tests under 64-bit Wine
# on hosts whose kernel cannot run 32-bit programs (and so no 32-bit Wine).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
