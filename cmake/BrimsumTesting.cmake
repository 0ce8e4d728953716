include(GoogleTest)

# brimsum_add_test(<name> SOURCES <files...> LIBS <libs...> [GUI] [OWN_MAIN])
#
# Builds one GoogleTest program and registers every test case in it with CTest.
# GUI programs get a main() that creates a QApplication on the offscreen
# platform, a Catalan default locale and a private, temporary config folder.
# The sanitizer build registers each program once instead: a process per case
# would spend most of that run starting instrumented Qt, so every program must
# also pass with all its cases in one process. OWN_MAIN programs bring their
# own main() and call PrepareTestEnvironment themselves.
function(brimsum_add_test name)
  cmake_parse_arguments(T "GUI;OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(T_OWN_MAIN)
    target_link_libraries(${name} PRIVATE BrimsumTestEnvironment Qt6::Widgets Qt6::Test)
  elseif(T_GUI)
    target_link_libraries(${name} PRIVATE BrimsumGuiTestMain)
  else()
    target_link_libraries(${name} PRIVATE BrimsumCoreTestMain)
  endif()
  set(env "QT_QPA_PLATFORM=offscreen")
  if(BRIMSUM_SANITIZE)
    list(APPEND env
      "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0"
      "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan.supp:print_suppressions=0"
      "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 900)
  else()
    gtest_discover_tests(${name}
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "${env}" TIMEOUT 120)
  endif()
endfunction()
