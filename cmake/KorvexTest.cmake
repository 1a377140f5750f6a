include(GoogleTest)

# korvex_add_test(NAME SOURCES file... LIBS target...)
# Builds one test executable from its own sources, links the libraries under test (never
# recompiling their sources) and registers every GoogleTest case with CTest.
function(korvex_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main korvex_options)
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
