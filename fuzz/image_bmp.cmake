# libFuzzer harness of the BMP reader.
ventrel_fuzzer(image_bmp ${CMAKE_CURRENT_SOURCE_DIR}/image_bmp.cpp image
    SEEDS ${realdata}/bmp/good ${realdata}/bmp/bad)
