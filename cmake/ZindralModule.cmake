# zindral_module(<name> [DIR <folder>] [DEPS ...] [PRIVATE_DEPS ...] [TEST_DEPS ...] [EXCLUDE <regex> ...])
#
# One static library per module folder (DIR, default the current one): every .cpp below the folder except those under tests/
# (and those matching EXCLUDE). Headers are included from the project root
# ("engine/MidiProcessor.h"). Tests: every tests/*.cpp becomes one GoogleTest program
# <name>_tests, registered with CTest. Files are globbed so new sources need no CMake edit.
function(zindral_module name)
  cmake_parse_arguments(M "" "DIR" "DEPS;PRIVATE_DEPS;TEST_DEPS;EXCLUDE" ${ARGN})
  if(NOT M_DIR)
    set(M_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${M_DIR}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "/tests/")
  foreach(rx IN LISTS M_EXCLUDE)
    list(FILTER srcs EXCLUDE REGEX "${rx}")
  endforeach()
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${M_DEPS} PRIVATE ${M_PRIVATE_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${M_DEPS})
  endif()

  file(GLOB tests CONFIGURE_DEPENDS ${M_DIR}/tests/*.cpp)
  if(tests)
    add_executable(${name}_tests ${tests})
    target_link_libraries(${name}_tests PRIVATE ${name} ${M_TEST_DEPS} GTest::gtest GTest::gmock GTest::gtest_main Threads::Threads)
    gtest_discover_tests(${name}_tests DISCOVERY_MODE PRE_TEST TEST_PREFIX "${name}." PROPERTIES LABELS ${name})
  endif()
endfunction()
