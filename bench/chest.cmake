# Windchest core: a full-capacity chest read, laid out, valve-sized, exported, checked and
# reported.
if(TARGET fabrication)
    add_executable(chest_bench ${CMAKE_CURRENT_SOURCE_DIR}/chest_full.cpp)
    target_link_libraries(chest_bench PRIVATE report check fabrication chest
        benchmark::benchmark_main)
    # The workshop report is written as a PDF through the QPainter canvas.
    if(TARGET platform_qtgui)
        target_link_libraries(chest_bench PRIVATE platform_qtgui)
        target_compile_definitions(chest_bench PRIVATE VENTREL_HAVE_QTGUI=1)
    endif()
endif()
