ventrel_fuzzer(fuzz_org ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_org.cpp chest)
