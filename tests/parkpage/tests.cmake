# The web page writer without a browser (tests/e2e/page_test.py opens its pages in Chromium).
add_executable(vendrix_parkpage_tests parkpage/parkpagetest.cpp)
target_link_libraries(vendrix_parkpage_tests PRIVATE vendrix_parkpage GTest::gtest_main vendrix_warnings)
gtest_discover_tests(vendrix_parkpage_tests DISCOVERY_TIMEOUT 60)
