# libFuzzer harness of the JPEG reader.
ventrel_fuzzer(image_jpeg ${CMAKE_CURRENT_SOURCE_DIR}/image_jpeg.cpp image
    SEEDS ${realdata}/jpeg/good ${realdata}/jpeg/bad ${realdata}/textures)
