ventrel_fuzzer(fuzz_chest_road ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_chest_road.cpp fabrication chest)
