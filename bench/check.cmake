# The chest checker of a full-capacity chest, against the export of the same chest.
if(TARGET check AND TARGET fabrication)
    add_executable(check_bench ${CMAKE_CURRENT_SOURCE_DIR}/chest_check.cpp)
    target_link_libraries(check_bench PRIVATE check fabrication chest benchmark::benchmark_main)
endif()
