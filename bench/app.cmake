# Get Park Info on 32,767 parks up to the table shown, on Qt's offscreen platform.
if(NOT TARGET vendrix_app)
    return() # built without the window
endif()
find_package(Qt6 6.4 REQUIRED COMPONENTS Test)
add_executable(vendrix_window_bench windowbench.cpp)
target_link_libraries(vendrix_window_bench PRIVATE vendrix_app vendrix_seasonkit Qt6::Test benchmark::benchmark)
