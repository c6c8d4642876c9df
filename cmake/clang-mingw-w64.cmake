# Cross toolchain: 64-bit Windows through clang, on MinGW-w64's headers and libraries (the GCC
# installation's C++ headers and libstdc++, posix threads), run under Wine. The second compiler the
# sources are kept building with.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(LISTEDIT_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${LISTEDIT_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${LISTEDIT_TRIPLE})
set(CMAKE_RC_COMPILER ${LISTEDIT_TRIPLE}-windres)
set(CMAKE_SYSROOT /usr/${LISTEDIT_TRIPLE})
set(CMAKE_FIND_ROOT_PATH /usr/${LISTEDIT_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# clang does not find the C++ headers of a GCC installation named "<version>-posix": name them.
file(GLOB LISTEDIT_GCC_DIRS /usr/lib/gcc/${LISTEDIT_TRIPLE}/*-posix)
list(GET LISTEDIT_GCC_DIRS 0 LISTEDIT_GCC_DIR)
set(CMAKE_CXX_FLAGS_INIT "-isystem ${LISTEDIT_GCC_DIR}/include/c++ \
-isystem ${LISTEDIT_GCC_DIR}/include/c++/${LISTEDIT_TRIPLE} -isystem ${LISTEDIT_GCC_DIR}/include/c++/backward")
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-L${LISTEDIT_GCC_DIR}")
endforeach()
# The posix-thread libstdc++ and libgcc_eh need winpthread after them, which the clang driver does
# not add; the rest is the platform's usual list.
set(CMAKE_CXX_STANDARD_LIBRARIES "-lstdc++ -lgcc_eh -lpthread -lkernel32 -luser32 -lgdi32 -lwinspool \
-lshell32 -lole32 -loleaut32 -luuid -lcomdlg32 -ladvapi32")

find_program(LISTEDIT_WINE NAMES wine)
if(LISTEDIT_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LISTEDIT_WINE})
endif()
