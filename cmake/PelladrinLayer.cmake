# pelladrin_layer(<target> DEPS <targets...> [LIBS <libraries...>])
# One static library per layer folder, built from every .cpp in that folder.
function(pelladrin_layer target)
  cmake_parse_arguments(ARG "" "" "DEPS;LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${target} STATIC ${sources})
  target_link_libraries(${target} PUBLIC ${ARG_DEPS} ${ARG_LIBS})
endfunction()

# pelladrin_tests(<name> DEPS <targets...>)
# One GoogleTest program per test folder; each test case becomes a CTest test.
function(pelladrin_tests name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources} ${CMAKE_SOURCE_DIR}/tests/support/LeakSuppressions.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES TIMEOUT 300 ENVIRONMENT "PELLADRIN_TEST_TMP=${CMAKE_CURRENT_BINARY_DIR}/tmp")
endfunction()
