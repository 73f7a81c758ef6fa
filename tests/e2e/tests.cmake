# End-to-end tests: vendrix-export run as a user runs it, its files read back by other programs.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

add_executable(vendrix-e2e-season e2e/seasontool.cpp)
target_link_libraries(vendrix-e2e-season PRIVATE vendrix_output vendrix_seasonkit vendrix_warnings)

set(vendrix_e2e_environment
    VENDRIX_EXPORT=$<TARGET_FILE:vendrix-export>
    VENDRIX_E2E_SEASON=$<TARGET_FILE:vendrix-e2e-season>
    VENDRIX_CPACK=${CMAKE_CPACK_COMMAND}
    VENDRIX_CPACK_CONFIG=${PROJECT_BINARY_DIR}/CPackConfig.cmake
    PYTHONDONTWRITEBYTECODE=1)

function(vendrix_e2e_test name script)
    add_test(NAME ${name} COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/e2e/${script})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "${vendrix_e2e_environment}"
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        SKIP_RETURN_CODE 77
        ${ARGN})
endfunction()

vendrix_e2e_test(e2e.exporter exporter_test.py)
vendrix_e2e_test(e2e.json json_test.py)
vendrix_e2e_test(e2e.compare compare_test.py)
# The web page in headless Chromium, through Debian's Selenium, which only Debian's own Python has.
add_test(NAME e2e.page COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/e2e/page_test.py)
set_tests_properties(e2e.page PROPERTIES ENVIRONMENT "${vendrix_e2e_environment}"
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} SKIP_RETURN_CODE 77 TIMEOUT 300)
if(TARGET vendrix-export-print)
    vendrix_e2e_test(e2e.pdf pdf_test.py)
    vendrix_e2e_test(e2e.diagrams diagram_test.py)
    # Prints on the system's default printer: it must be the PDF printer that scripts/start-print-server
    # sets up, and the test runs alone so that no other job gets in between.
    vendrix_e2e_test(e2e.print print_test.py RUN_SERIAL TRUE TIMEOUT 180)
endif()
if(TARGET vendrix AND TARGET vendrix-export-print)
    # Makes the Debian package into a temporary folder (a few seconds) and runs the exporter from it.
    vendrix_e2e_test(e2e.package package_test.py TIMEOUT 300)
endif()
