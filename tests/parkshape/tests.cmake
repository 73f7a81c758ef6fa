# The park outline geometry, standard C++ only.
add_executable(vendrix_parkshape_tests parkshape/parkshapetest.cpp)
target_link_libraries(vendrix_parkshape_tests PRIVATE vendrix_parkshape GTest::gtest_main)
gtest_discover_tests(vendrix_parkshape_tests DISCOVERY_TIMEOUT 60)
