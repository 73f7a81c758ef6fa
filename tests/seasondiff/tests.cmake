# The JSON export's arithmetic and the season comparison's matching, without files.
add_executable(vendrix_seasondiff_tests seasondiff/seasoncomparisontest.cpp parkjson/seasonjsontest.cpp)
target_link_libraries(vendrix_seasondiff_tests PRIVATE vendrix_seasondiff GTest::gtest_main vendrix_warnings)
gtest_discover_tests(vendrix_seasondiff_tests DISCOVERY_TIMEOUT 60)
