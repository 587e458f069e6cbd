find_package(GTest REQUIRED)
include(GoogleTest)

# quorvish_add_gtest(NAME SOURCES src... LIBS lib... [ENV VAR=value...])
# One GoogleTest program, each case its own CTest test, run headless: SDL's dummy video
# driver and OpenAL Soft's null driver unless ENV says otherwise.
function(quorvish_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} test_support GTest::gtest_main GTest::gmock)
  set(env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null
          QUORVISH_GAME_DIR=${QUORVISH_GAME_DIR}
          LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp:print_suppressions=0
          ${ARG_ENV})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    TEST_LIST ${name}_TESTS
    DISCOVERY_TIMEOUT 60)
  # The environment is set by a file that CTest reads after the discovered tests: passed
  # through PROPERTIES, a list would arrive as its first entry only. A later entry for the
  # same variable wins, so ENV overrides the defaults above.
  set(env_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake)
  file(WRITE ${env_file}
    "if(${name}_TESTS)\n"
    "  set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT [==[${env}]==])\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${env_file})
endfunction()
