# On the Linux build: builds the browser edition with emscripten into web/site and registers
# the test that plays it in headless Chromium against kvelt-cli.
find_program(KVELT_EMXX em++)
set(kvelt_web_site ${CMAKE_BINARY_DIR}/web/site)

if(KVELT_EMXX)
  include(ExternalProject)
  ExternalProject_Add(kvelt_web_build
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/web
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/emscripten.cmake
               -DCMAKE_BUILD_TYPE=MinSizeRel -DKVELT_TESTS=OFF -DKVELT_WERROR=${KVELT_WERROR}
               -DKVELT_WEB_SITE=${kvelt_web_site}
    # The machine's cores are shared; the outer build runs beside this one.
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j 2
    INSTALL_COMMAND ""
    BUILD_ALWAYS TRUE
    USES_TERMINAL_BUILD TRUE)

  # Debian's selenium is installed for the system's own Python.
  add_test(NAME web_browser
    COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/browser_test.py
            ${kvelt_web_site} $<TARGET_FILE:kvelt-cli> ${KVELT_DATA_DIR}
            ${PROJECT_SOURCE_DIR}/tests/data/winning_sequence.txt ${CMAKE_BINARY_DIR}/artifacts)
  set_tests_properties(web_browser PROPERTIES
    TIMEOUT 600 SKIP_RETURN_CODE 77 LABELS "display;browser" RESOURCE_LOCK chromium)
else()
  add_test(NAME web_browser
    COMMAND sh -c "echo 'SKIPPED: emscripten (em++) is not installed'; exit 77")
  set_tests_properties(web_browser PROPERTIES SKIP_RETURN_CODE 77 LABELS "display;browser")
endif()
