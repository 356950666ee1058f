# Cross build for 64-bit Windows with Debian's MinGW-w64 (the posix thread
# model, whose C++ runtime has std::thread and the time functions).
# MARIVANE_WINDOWS_PREFIX names the folder the dependencies were built into.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
if(DEFINED ENV{MARIVANE_WINDOWS_PREFIX})
  set(MARIVANE_WINDOWS_PREFIX $ENV{MARIVANE_WINDOWS_PREFIX} CACHE PATH "Cross-built dependencies")
endif()
if(MARIVANE_WINDOWS_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${MARIVANE_WINDOWS_PREFIX})
  # pkg-config must see the cross-built .pc files only, never the build
  # machine's own.
  set(ENV{PKG_CONFIG_LIBDIR} ${MARIVANE_WINDOWS_PREFIX}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "")
  set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes go into each binary, so no MinGW DLL has to ship.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -Wl,-Bstatic,--whole-archive -lwinpthread -Wl,--no-whole-archive,-Bdynamic")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -Wl,-Bstatic,--whole-archive -lwinpthread -Wl,--no-whole-archive,-Bdynamic")
