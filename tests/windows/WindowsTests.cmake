# The Windows build's tests run through wine (the toolchain's emulator), in a wine prefix of the
# build's own, made once by the wine/prefix test before the others start.
set(GW_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(GW_WINE_ENVIRONMENT
    WINEPREFIX=${GW_WINE_PREFIX}
    WINEDEBUG=-all
    # No prompts to install wine's .NET and HTML engines: the programs use neither.
    WINEDLLOVERRIDES=mscoree,mshtml=
    GW_EMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}
    GW_SCENARIO_ROOT=/tmp/gw-scenarios-windows)

add_test(NAME wine/prefix COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init)
set_tests_properties(wine/prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)

# Every puzzle of the shared set gives byte for byte the same output from the Windows gwtool as
# from the Linux one (GW_NATIVE_GWTOOL: that program, from the Linux build). Without the shared
# folder, the test puzzles (copies of most of it) stand in.
set(GW_NATIVE_GWTOOL "" CACHE FILEPATH "gwtool of a native (Linux) build, to compare with")
set(GW_COMPARE_PUZZLES ${PROJECT_SOURCE_DIR}/../shared/puzzles/gwm CACHE PATH "puzzles both gwtools run on")
if(NOT IS_DIRECTORY ${GW_COMPARE_PUZZLES})
  set(GW_COMPARE_PUZZLES ${CMAKE_CURRENT_SOURCE_DIR}/solver/puzzles)
endif()
if(GW_NATIVE_GWTOOL)
  add_test(NAME windows/gwtool_same_output
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/compare_gwtool.sh ${GW_NATIVE_GWTOOL} $<TARGET_FILE:gwtool>
                   ${GW_COMPARE_PUZZLES})
  set_tests_properties(windows/gwtool_same_output PROPERTIES TIMEOUT 900)
endif()

get_property(gw_all_tests DIRECTORY PROPERTY TESTS)
foreach(t IN LISTS gw_all_tests)
  set_property(TEST ${t} APPEND PROPERTY ENVIRONMENT ${GW_WINE_ENVIRONMENT})
  if(NOT t STREQUAL "wine/prefix")
    set_property(TEST ${t} APPEND PROPERTY FIXTURES_REQUIRED wine)
  endif()
endforeach()
