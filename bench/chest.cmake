# Windchest core: a full-capacity chest read, laid out, valve-sized and exported.
if(TARGET fabrication)
    add_executable(chest_bench ${CMAKE_CURRENT_SOURCE_DIR}/chest_full.cpp)
    target_link_libraries(chest_bench PRIVATE fabrication chest benchmark::benchmark_main)
endif()
