# Cross-compiles kvelt.exe for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(kvelt_mingw_prefix x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${kvelt_mingw_prefix}-gcc)
set(CMAKE_CXX_COMPILER ${kvelt_mingw_prefix}-g++)
set(CMAKE_RC_COMPILER ${kvelt_mingw_prefix}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${kvelt_mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A bare Windows has no MinGW runtime DLLs: everything goes into the exe. Each function and datum
# in a section of its own lets the linker leave out what nothing calls; the symbols are left out
# too (-s), since no one debugs the shipped exe from them.
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections -s")
