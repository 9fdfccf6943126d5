# pelladrin_layer(<target> [SUBDIRS <folders...>] DEPS <targets...> [LIBS <libraries...>])
# One static library per layer folder, built from every .cpp in that folder and in the
# subfolders named (a layer's parts that get a folder of their own, as platform/win's
# backends do, without becoming a library of their own).
function(pelladrin_layer target)
  cmake_parse_arguments(ARG "" "" "SUBDIRS;DEPS;LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(subdir ${ARG_SUBDIRS})
    file(GLOB subdir_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${subdir}/*.cpp)
    list(APPEND sources ${subdir_sources})
  endforeach()
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
                       PROPERTIES TIMEOUT 300 LABELS ${name}
                                  ENVIRONMENT "PELLADRIN_TEST_TMP=${CMAKE_CURRENT_BINARY_DIR}/tmp")
endfunction()
