# Scene import: VRML 1.0, VRML 2.0 and text meshes of 1, 10 and 50 MB against a bare number pass,
# and building and compiling the imported objects for display (offscreen, Mesa).
if(TARGET sceneio)
    add_executable(scene_bench ${CMAKE_CURRENT_SOURCE_DIR}/scene_import.cpp)
    target_link_libraries(scene_bench PRIVATE sceneio benchmark::benchmark_main)
    if(TARGET platform_egl)
        target_link_libraries(scene_bench PRIVATE platform_egl)
        target_compile_definitions(scene_bench PRIVATE VENTREL_BENCH_GL=1)
    endif()
endif()
