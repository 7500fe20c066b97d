# Windows test binaries run under Wine (run-gtest.sh). Each binary runs
# whole, in a console of its own, and its XML report names what failed:
# gtest_discover_tests would start a Windows process, and so Wine, for every
# test case, and would list the cases by running each binary at build time.
set(BANQI_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)

add_test(NAME wine_prefix COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/prefix.sh)
set_tests_properties(wine_prefix PROPERTIES
  FIXTURES_SETUP wine ENVIRONMENT WINEPREFIX=${BANQI_WINEPREFIX} TIMEOUT 300)

# wine_test(NAME COMMAND...): a test that runs Windows programs under Wine,
# in the shared prefix, once the prefix is made.
function(wine_test name)
  add_test(NAME ${name} COMMAND ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine ENVIRONMENT WINEPREFIX=${BANQI_WINEPREFIX} TIMEOUT 300)
endfunction()

function(gtest_discover_tests target)
  wine_test(${target}
    bash ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/run-gtest.sh $<TARGET_FILE:${target}>)
endfunction()
