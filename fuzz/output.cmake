# The three output writers on tables of fuzzed cells.
add_library(vendrix_fuzztable STATIC fuzztable.cpp)
target_link_libraries(vendrix_fuzztable PUBLIC vendrix_output vendrix_model)

foreach(target fuzz_csvexport fuzz_textreport fuzz_printlayout)
    vendrix_fuzz_target(${target} ${target}.cpp)
    target_link_libraries(${target} PRIVATE vendrix_fuzztable)
endforeach()

# The JSON export and the season comparison on the same fuzzed tables.
vendrix_fuzz_target(fuzz_seasonjson fuzz_seasonjson.cpp)
target_link_libraries(fuzz_seasonjson PRIVATE vendrix_fuzztable vendrix_seasondiff)
