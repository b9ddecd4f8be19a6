# Builds the browser edition with Debian's emscripten (em++): `make web`.
set(KVELT_EMSCRIPTEN_ROOT /usr/share/emscripten CACHE PATH "Where emscripten is installed")
include(${KVELT_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake)

# The engine reports an unreadable catalogue by an exception that it catches itself; the
# WebAssembly exception instructions keep that small and quick. Optimised across the whole
# program at link time, the download is 6 KB (gzip) smaller.
set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions -flto")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fwasm-exceptions -flto")

# The linker's optimiser runs on node and needs Debian's acorn, which node does not find
# by itself.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
