# libFuzzer harness of the luminance/chrominance reader.
ventrel_fuzzer(image_lumi ${CMAKE_CURRENT_SOURCE_DIR}/image_lumi.cpp image)
