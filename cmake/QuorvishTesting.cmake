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
    PROPERTIES ENVIRONMENT "${env}"
    DISCOVERY_TIMEOUT 60)
endfunction()
