# Golden tests of the three outputs on a fixture season, the output file and the name checks.
add_executable(vendrix_output_tests
    output/fixtureseason.cpp
    output/csvexporttest.cpp
    output/textreporttest.cpp
    output/printedreporttest.cpp
    output/outputfiletest.cpp
    output/systemfilestest.cpp
)
target_link_libraries(vendrix_output_tests PRIVATE vendrix_output vendrix_testsupport GTest::gtest_main)
gtest_discover_tests(vendrix_output_tests DISCOVERY_TIMEOUT 60)

# The printer adapters need Qt, started on its offscreen platform.
if(TARGET vendrix_platform AND NOT WIN32)
    add_executable(vendrix_printer_tests output/printertest.cpp output/fixtureseason.cpp)
    target_link_libraries(vendrix_printer_tests PRIVATE vendrix_platform vendrix_testsupport GTest::gtest)
    gtest_discover_tests(vendrix_printer_tests DISCOVERY_TIMEOUT 60)
endif()
