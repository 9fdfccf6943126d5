# Every library and test program is a unity build: its .cpp files are compiled a
# batch at a time as one translation unit, so the headers they share are parsed once
# per batch instead of once per file. That is most of the time a cold build takes, and
# CI builds cold twice on two cores.
#
# Two .cpp files of one library (a layer with its subfolders) or test program
# therefore must not define clashing file-local names (static functions,
# anonymous-namespace types). The compiler names both files when they meet in a
# batch; configuring with -DPELLADRIN_UNITY_BUILD=OFF compiles file by file to tell
# such a clash from a real fault.
option(PELLADRIN_UNITY_BUILD "Compile each library's .cpp files in batches" ON)
set(PELLADRIN_UNITY_BATCH 16 CACHE STRING "Number of .cpp files compiled as one translation unit")

function(pelladrin_compile_in_batches target)
  set_target_properties(${target} PROPERTIES UNITY_BUILD ${PELLADRIN_UNITY_BUILD}
                                             UNITY_BUILD_BATCH_SIZE ${PELLADRIN_UNITY_BATCH})
  # The warning is about types of one file used as bases in others through a header;
  # in a batch every .cpp counts as a header, so a test fixture in an anonymous
  # namespace would set it off.
  if(PELLADRIN_UNITY_BUILD)
    target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
  endif()
endfunction()

# A test program's own code compiles at -O0 under the sanitizers: instrumented at -O1
# it takes twice as long to compile, while the time the tests run goes to the
# libraries, which stay at -O1.
function(pelladrin_test_code target)
  if(PELLADRIN_SANITIZE)
    target_compile_options(${target} PRIVATE -O0)
  endif()
endfunction()

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
  pelladrin_compile_in_batches(${target})
endfunction()

# pelladrin_tests(<name> DEPS <targets...>)
# One GoogleTest program per test folder; each test case becomes a CTest test.
function(pelladrin_tests name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources} ${CMAKE_SOURCE_DIR}/tests/support/LeakSuppressions.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest_main GTest::gmock)
  pelladrin_compile_in_batches(${name})
  pelladrin_test_code(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES TIMEOUT 300 LABELS ${name}
                                  ENVIRONMENT "PELLADRIN_TEST_TMP=${CMAKE_CURRENT_BINARY_DIR}/tmp")
endfunction()
