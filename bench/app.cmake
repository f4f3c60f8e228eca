# Main view benchmarks: a 2D repaint of a full-capacity chest, opening the example organ with its
# first 3D frame, and one 3D frame of it, offscreen on Mesa.
if(TARGET app AND TARGET platform_qtgui AND TARGET platform_egl)
    add_executable(app_bench ${CMAKE_CURRENT_SOURCE_DIR}/app_view.cpp)
    target_link_libraries(app_bench PRIVATE app platform_qtgui platform_egl benchmark::benchmark_main)
    target_compile_definitions(app_bench PRIVATE VENTREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endif()

# The same frame in the desktop window, shown by an X server (run under xvfb-run).
if(TARGET ventrel_window)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    add_executable(app_window_bench ${CMAKE_CURRENT_SOURCE_DIR}/app_window.cpp)
    target_link_libraries(app_window_bench PRIVATE ventrel_window Qt6::Test benchmark::benchmark)
    target_compile_definitions(app_window_bench PRIVATE VENTREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endif()
