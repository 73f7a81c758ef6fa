# The bad-input matrix. With the window built it also renders every case's PDF and starts the window
# on every broken ParkDir.txt (Qt's offscreen platform); without it, the data files through the
# scan, the build and the two file outputs.
if(TARGET vendrix_app)
    add_executable(vendrix_hardening_tests
        hardening/badinputmatrixtest.cpp
        hardening/parkdirmatrixtest.cpp
        hardening/foldersnapshot.cpp
        hardening/fuzzfindingstest.cpp
        app/testmain.cpp
        app/standins.cpp
        app/windowtest.cpp
    )
    target_include_directories(vendrix_hardening_tests PRIVATE app)
    target_compile_definitions(vendrix_hardening_tests PRIVATE VENDRIX_HARDENING_PDF)
    target_link_libraries(vendrix_hardening_tests PRIVATE vendrix_app vendrix_testsupport Qt6::Test GTest::gtest)
else()
    # The folder memory's format is standard library only, and built here alone.
    add_executable(vendrix_hardening_tests
        hardening/badinputmatrixtest.cpp
        hardening/foldersnapshot.cpp
        hardening/fuzzfindingstest.cpp
        ${PROJECT_SOURCE_DIR}/src/app/foldermemory.cpp
        ${PROJECT_SOURCE_DIR}/src/platform/windows1252.cpp
    )
    target_include_directories(vendrix_hardening_tests PRIVATE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(vendrix_hardening_tests PRIVATE vendrix_output vendrix_testsupport GTest::gtest_main)
endif()
gtest_discover_tests(vendrix_hardening_tests DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
