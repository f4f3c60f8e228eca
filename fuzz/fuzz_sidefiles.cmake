ventrel_fuzzer(fuzz_sidefiles ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_sidefiles.cpp chest)
