# 3D scene: building the example organ and a scene filled to its 20000 objects, compiling it into
# display lists, and frame times through display lists against immediate mode (offscreen, Mesa).
if(TARGET organ3d AND TARGET platform_egl)
    add_executable(render_bench ${CMAKE_CURRENT_SOURCE_DIR}/render_organ.cpp)
    target_link_libraries(render_bench PRIVATE organ3d platform_egl benchmark::benchmark_main)
    target_compile_definitions(render_bench PRIVATE VENTREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endif()
