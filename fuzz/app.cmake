# The folder memory's format and reader, built alone: they need the standard library only.
vendrix_fuzz_target(fuzz_foldermemory
    fuzz_foldermemory.cpp
    ${PROJECT_SOURCE_DIR}/src/app/foldermemory.cpp
    ${PROJECT_SOURCE_DIR}/src/platform/windows1252.cpp
)
target_include_directories(fuzz_foldermemory PRIVATE ${PROJECT_SOURCE_DIR}/src)
