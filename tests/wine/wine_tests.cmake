# On the Linux build: cross-builds kvelt.exe and driver.exe with MinGW-w64 and registers the
# Wine test that plays the game through its window.
find_program(KVELT_MINGW_CXX x86_64-w64-mingw32-g++)
set(kvelt_windows_bin ${CMAKE_BINARY_DIR}/windows/bin)

if(KVELT_MINGW_CXX)
  include(ExternalProject)
  ExternalProject_Add(kvelt_windows
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/windows
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
               -DCMAKE_BUILD_TYPE=Release -DKVELT_TESTS=ON -DKVELT_WERROR=${KVELT_WERROR}
    # The machine's cores are shared; the outer build runs beside this one.
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j 2
    INSTALL_COMMAND ""
    BUILD_ALWAYS TRUE
    USES_TERMINAL_BUILD TRUE)

  add_test(NAME Win32Window.PlayedUnderWine
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/run_wine_tests.sh ${kvelt_windows_bin}
            ${CMAKE_BINARY_DIR}/wine ${CMAKE_BINARY_DIR}/artifacts)
  set_tests_properties(Win32Window.PlayedUnderWine PROPERTIES
    TIMEOUT 900 SKIP_RETURN_CODE 77 RUN_SERIAL TRUE LABELS display)
else()
  add_test(NAME Win32Window.PlayedUnderWine
    COMMAND sh -c "echo 'SKIPPED: MinGW-w64 (g++-mingw-w64-x86-64) is not installed'; exit 77")
  set_tests_properties(Win32Window.PlayedUnderWine PROPERTIES SKIP_RETURN_CODE 77 LABELS display)
endif()
