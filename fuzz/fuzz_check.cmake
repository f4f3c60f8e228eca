ventrel_fuzzer(fuzz_check ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_check.cpp check chest report platform_pdf)
