ventrel_fuzzer(fuzz_poly ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_poly.cpp outline)
