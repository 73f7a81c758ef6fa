# Window tests on Qt's offscreen platform; every test runs in a working folder of its own.
if(NOT TARGET vendrix_app)
    return() # built without the window
endif()
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
    app/windowusetest.cpp
    app/parkgridtest.cpp
    app/diagrampaneltest.cpp
    app/comparisontest.cpp
)
target_link_libraries(vendrix_window_tests PRIVATE vendrix_app vendrix_testsupport Qt6::Test GTest::gtest)
target_compile_definitions(vendrix_window_tests PRIVATE VENDRIX_TEST_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/app/golden")
gtest_discover_tests(vendrix_window_tests DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# Help and version answer without a display: no window system is asked.
add_test(NAME window.help COMMAND vendrix --help)
add_test(NAME window.version COMMAND vendrix --version)
set_tests_properties(window.help PROPERTIES PASS_REGULAR_EXPRESSION "^Usage: vendrix \\[SEASON_FOLDER\\]"
                     ENVIRONMENT "DISPLAY=;WAYLAND_DISPLAY=;QT_QPA_PLATFORM=xcb")
set_tests_properties(window.version PROPERTIES PASS_REGULAR_EXPRESSION "^vendrix [0-9]+\\.[0-9]+"
                     ENVIRONMENT "DISPLAY=;WAYLAND_DISPLAY=;QT_QPA_PLATFORM=xcb")

# Not a test: saves a picture of the window on a season (the pictures in docs/ come from it).
add_executable(vendrix-window-shot app/windowshot.cpp app/standins.cpp)
target_link_libraries(vendrix-window-shot PRIVATE vendrix_app Qt6::Test)
