# Cross toolchain: 32-bit Windows through MinGW-w64 (posix threads), run under Wine's 32-bit side.
set(LISTEDIT_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
