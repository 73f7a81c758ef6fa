# Window tests on Qt's offscreen platform; every test runs in a working folder of its own.
find_package(Qt6 6.4 REQUIRED COMPONENTS Test)

add_executable(vendrix_window_tests
    app/testmain.cpp
    app/standins.cpp
    app/windowtest.cpp
    app/startupexittest.cpp
    app/parkinfotest.cpp
    app/outputbuttonstest.cpp
    app/platformtest.cpp
    app/foldermemorytest.cpp
)
target_link_libraries(vendrix_window_tests PRIVATE vendrix_app vendrix_testsupport Qt6::Test GTest::gtest)
gtest_discover_tests(vendrix_window_tests DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
