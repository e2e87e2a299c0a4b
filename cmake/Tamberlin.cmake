# Shared helpers for the host build.

find_package(GTest REQUIRED)
include(GoogleTest)

set(TMB_WARNINGS -Wall -Wextra -Wpedantic)

# tmb_add_gtest(name SOURCES a.cpp ... [LIBS lib ...])
function(tmb_add_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_options(${name} PRIVATE ${TMB_WARNINGS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

# Benchmarks print figures and never fail on speed; `cmake --build build --target bench` runs them all.
add_custom_target(bench)
# tmb_add_benchmark(name COMMAND cmd args... [DEPENDS targets...])
function(tmb_add_benchmark name)
  cmake_parse_arguments(B "" "" "COMMAND;DEPENDS" ${ARGN})
  add_custom_target(bench_${name} COMMAND ${B_COMMAND} DEPENDS ${B_DEPENDS}
                    WORKING_DIRECTORY ${CMAKE_BINARY_DIR} USES_TERMINAL VERBATIM)
  add_dependencies(bench bench_${name})
endfunction()
