# Outlines: reading a .poly file of a thousand points, alone and followed by 64 MB of junk.
if(TARGET outline)
    add_executable(outline_bench ${CMAKE_CURRENT_SOURCE_DIR}/outline_poly.cpp)
    target_link_libraries(outline_bench PRIVATE outline benchmark::benchmark_main)
endif()
