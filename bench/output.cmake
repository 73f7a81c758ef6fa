# CSV, text report and print layout of a 32,767-park table, and vendrix-export end to end.
add_executable(vendrix_output_bench outputbench.cpp)
target_link_libraries(vendrix_output_bench PRIVATE vendrix_output vendrix_seasonkit vendrix_benchsupport
                      benchmark::benchmark)
target_compile_definitions(vendrix_output_bench PRIVATE VENDRIX_EXPORT_PATH="$<TARGET_FILE:vendrix-export>")
add_dependencies(vendrix_output_bench vendrix-export)
