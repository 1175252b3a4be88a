# The allocation routines. The link wraps calloc and free, so that the tests see every
# block NRUTIL requests and gives back and can refuse a chosen request; the wrappers pass
# everything else on to the real functions, which the sanitizers still intercept.
add_executable(nrutil_test ${CMAKE_CURRENT_LIST_DIR}/nrutil_test.cpp)
target_link_libraries(nrutil_test PRIVATE nrutil GTest::gtest_main)
target_link_options(nrutil_test PRIVATE -Wl,--wrap=calloc -Wl,--wrap=free)
polydump_target_options(nrutil_test)
gtest_discover_tests(nrutil_test)
