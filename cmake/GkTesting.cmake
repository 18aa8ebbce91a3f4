# gk_add_test(name [GUI] SOURCES ... LIBS ...): one GoogleTest program, its
# cases registered with CTest. Cross builds run the program through the
# emulator (Wine), natively it runs as it is. GUI programs open windows and
# read the focus, which another program's window on the same display would
# take: their cases never run at the same time as another GUI case.
function(gk_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  set(lock "")
  if(T_GUI)
    set(lock RESOURCE_LOCK gk_display)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 300
    PROPERTIES
      ENVIRONMENT "GK_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data"
      FIXTURES_REQUIRED gk_wine
      ${lock})
endfunction()

# Under Wine: each build tree runs its programs in a prefix of its own; the
# prefix comes up before the first test and its server stops after the last.
if(CMAKE_CROSSCOMPILING)
  set(GK_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run --prefix ${CMAKE_BINARY_DIR}/wineprefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${GK_WINE_RUN})
  add_test(NAME wine_prepare COMMAND ${GK_WINE_RUN} --prepare)
  set_tests_properties(wine_prepare PROPERTIES FIXTURES_SETUP gk_wine)
  add_test(NAME wine_shutdown COMMAND ${GK_WINE_RUN} --shutdown)
  set_tests_properties(wine_shutdown PROPERTIES FIXTURES_CLEANUP gk_wine)
endif()
