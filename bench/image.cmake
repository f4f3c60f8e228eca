# Image benchmarks: loading a large JPEG against libjpeg-turbo's own djpeg, and texture upload.
find_package(JPEG REQUIRED)
add_executable(image_bench ${CMAKE_CURRENT_SOURCE_DIR}/image_jpeg.cpp)
target_link_libraries(image_bench PRIVATE image JPEG::JPEG benchmark::benchmark_main)

find_package(OpenGL QUIET COMPONENTS OpenGL EGL)
if(OpenGL_OpenGL_FOUND AND OpenGL_EGL_FOUND AND OPENGL_GLU_FOUND)
    add_executable(image_upload_bench ${CMAKE_CURRENT_SOURCE_DIR}/image_upload.cpp)
    target_link_libraries(image_upload_bench PRIVATE image OpenGL::EGL OpenGL::OpenGL OpenGL::GLU
        benchmark::benchmark_main)
endif()
