# The park drawing and its SVG writer, standard C++ only; under Wine the golden SVGs prove the same
# bytes on Windows.
add_executable(vendrix_parkdrawing_tests parkdrawing/parkdrawingtest.cpp)
target_link_libraries(vendrix_parkdrawing_tests PRIVATE vendrix_parkdrawing GTest::gtest_main)
target_compile_definitions(vendrix_parkdrawing_tests PRIVATE
    VENDRIX_DRAWING_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/parkdrawing/golden")
gtest_discover_tests(vendrix_parkdrawing_tests DISCOVERY_TIMEOUT 60)
