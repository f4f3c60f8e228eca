ventrel_fuzzer(fuzz_dat ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_dat.cpp fabrication chest)
