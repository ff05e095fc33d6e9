# velmora_test(NAME SOURCES ... [LIBS ...]): one GoogleTest program, run by
# CTest under Wine. Test programs find the project's tools through
# VELMORA_TOOLS (the folder with the stand-in and the bridge).
function(velmora_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT 300
    ENVIRONMENT "VELMORA_BIN=${CMAKE_BINARY_DIR}")
endfunction()
