# velmora_test(NAME SOURCES ... [LIBS ...] [TIMEOUT seconds]): one GoogleTest
# program, run by CTest under Wine. Test programs find the project's tools
# through VELMORA_BIN (the build tree with the stand-in and the bridge).
#
# In a folder that sets VELMORA_DRIVES_PROGRAM, the program drives
# velmora.exe; where VELMORA_DRIVE_SHIPPED is on it runs a second time, as
# NAME_i686, against the shipped 32-bit velmora.exe (VELMORA_PROGRAM).
function(velmora_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "VELMORA_BIN=${CMAKE_BINARY_DIR}")
  if(VELMORA_DRIVES_PROGRAM AND VELMORA_DRIVE_SHIPPED)
    add_test(NAME ${name}_i686 COMMAND ${name})
    set_tests_properties(${name}_i686 PROPERTIES
      TIMEOUT ${T_TIMEOUT}
      LABELS i686
      ENVIRONMENT "VELMORA_BIN=${CMAKE_BINARY_DIR};VELMORA_PROGRAM=${VELMORA_SHIP_EXE}")
  endif()
endfunction()
