# The end-to-end cases again, against a cross-built Windows program run under Wine:
#   cmake -S . -B build -DPOLYDUMP_WINDOWS_PROGRAM=$PWD/build-windows/src/seawrack_polydump.exe
# Needs Wine (Debian: wine64) and flock. Selected with `ctest -L windows`.
find_program(POLYDUMP_WINE NAMES wine64 wine PATHS /usr/lib/wine REQUIRED)
find_program(POLYDUMP_WINESERVER NAMES wineserver PATHS /usr/lib/wine REQUIRED)
find_program(POLYDUMP_FLOCK flock REQUIRED)
set(POLYDUMP_WINE_PREFIX ${CMAKE_CURRENT_BINARY_DIR}/wine-prefix)
configure_file(run_under_wine.sh.in run_under_wine.sh @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(wine_environment WINEPREFIX=${POLYDUMP_WINE_PREFIX} WINEDEBUG=-all)

# One Wine server for the whole suite: one that ends on its own after its last client may go
# just as the next run connects ("recvmsg: Connection reset by peer"). Wine's first start in a
# new prefix sets the prefix up, which takes a while; after that a run takes a fraction of a
# second. The server and the services that wineboot leaves running write to a log file, not
# to this test's output, which would otherwise stay open and the test never end.
add_test(NAME windows.wine_start
         COMMAND sh -c "{ \"$1\" -k; mkdir -p \"$WINEPREFIX\" && \"$1\" -p && \"$2\" wineboot --init; } </dev/null >\"$3\" 2>&1 || { cat \"$3\"; false; }"
                 sh ${POLYDUMP_WINESERVER} ${POLYDUMP_WINE} ${CMAKE_CURRENT_BINARY_DIR}/wine.log)
add_test(NAME windows.wine_stop COMMAND ${POLYDUMP_WINESERVER} -k)
set_tests_properties(windows.wine_start PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${wine_environment}" LABELS windows)
set_tests_properties(windows.wine_stop PROPERTIES FIXTURES_CLEANUP wine ENVIRONMENT "${wine_environment}" LABELS windows)

# Listed when the tests run, so that a build tree configured for them after e2e_test was built
# finds them all the same.
gtest_discover_tests(e2e_test
  TEST_PREFIX windows.
  DISCOVERY_MODE PRE_TEST
  PROPERTIES ENVIRONMENT POLYDUMP_WINDOWS_LAUNCHER=${CMAKE_CURRENT_BINARY_DIR}/run_under_wine.sh
             FIXTURES_REQUIRED wine
             LABELS windows)
