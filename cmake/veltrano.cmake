# Helpers shared by every folder's CMakeLists.

# veltrano_core_library(NAME SOURCES... [DEPENDS lib...])
# A core folder library: standard library only, headers included from the project root as "core/folder/file.h".
function(veltrano_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  target_link_libraries(veltrano_core INTERFACE ${name})
endfunction()

# veltrano_test(NAME SOURCES... LIBS lib...)
# A GoogleTest executable whose cases ctest discovers.
# RUNS_CLI: the test runs veltrano-cli as a script would; VELTRANO_CLI names the program.
function(veltrano_test name)
  cmake_parse_arguments(ARG "RUNS_CLI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(ARG_RUNS_CLI AND TARGET veltrano-cli)
    target_compile_definitions(${name} PRIVATE VELTRANO_CLI="$<TARGET_FILE:veltrano-cli>")
    add_dependencies(${name} veltrano-cli)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
