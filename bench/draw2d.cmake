# 2D drawing benchmarks: a full-capacity chest drawn into the recording canvas and a 1920x1080
# image, and picking a pipe in it.
if(TARGET platform_qtgui AND TARGET chest)
    add_executable(draw2d_bench ${CMAKE_CURRENT_SOURCE_DIR}/draw2d_chest.cpp)
    target_link_libraries(draw2d_bench PRIVATE chest platform_qtgui benchmark::benchmark_main)
endif()
