# The folder memory's format and reader: standard library only.
vendrix_fuzz_target(fuzz_foldermemory fuzz_foldermemory.cpp)
target_link_libraries(fuzz_foldermemory PRIVATE vendrix_season)
