# Cross-compiles the shipped 32-bit Windows build with MinGW-w64 (the posix
# thread model, which std::thread and GoogleTest need); its tests run through
# 32-bit Wine where the host can run 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
