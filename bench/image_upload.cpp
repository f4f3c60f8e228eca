// Texture upload of a 1000 x 600 image: rescale to powers of two and build mipmaps, against a
// plain upload of an image of the rescaled size, in an offscreen OpenGL context.
#include "image/Texture.h"
#include "platform/HeadlessUi.h"

#include <benchmark/benchmark.h>

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include <vector>

namespace ventrel {
namespace {

// An offscreen compatibility-profile context on Mesa's surfaceless platform, current for the run.
bool MakeContextCurrent() {
    static const bool current = [] {
        const auto getDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
            eglGetProcAddress("eglGetPlatformDisplayEXT"));
        if (!getDisplay)
            return false;
        EGLDisplay display =
            getDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr) ||
            !eglBindAPI(EGL_OPENGL_API))
            return false;
        const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                                           EGL_OPENGL_BIT, EGL_NONE};
        EGLConfig config;
        EGLint count = 0;
        if (!eglChooseConfig(display, configAttributes, &config, 1, &count) || count == 0)
            return false;
        const EGLint contextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                            EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
        EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
        const EGLint surfaceAttributes[] = {EGL_WIDTH, 16, EGL_HEIGHT, 16, EGL_NONE};
        EGLSurface surface = eglCreatePbufferSurface(display, config, surfaceAttributes);
        return context != EGL_NO_CONTEXT && surface != EGL_NO_SURFACE &&
               eglMakeCurrent(display, surface, surface, context);
    }();
    return current;
}

// A 1000 x 600 24-bit texture with varied pixels.
CTexture &Texture() {
    static HeadlessUi ui;
    static CTexture texture(ui);
    if (!texture.IsValid()) {
        texture.Alloc(1000, 600, 24);
        for (std::size_t i = 0; i < texture.GetBufferSize(); ++i)
            texture.GetData()[i] = static_cast<std::uint8_t>(i * 2654435761u >> 24);
    }
    return texture;
}

void RescaleAndMipmaps(benchmark::State &state) {
    if (!MakeContextCurrent()) {
        state.SkipWithError("no offscreen OpenGL context");
        return;
    }
    CTexture &texture = Texture();
    const int width = CTexture::NextPowerOf2(texture.GetWidth());
    const int height = CTexture::NextPowerOf2(texture.GetHeight());
    std::vector<std::uint8_t> scaled(std::size_t(width) * height * 3);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    for (auto _ : state) {
        gluScaleImage(GL_RGB, texture.GetWidth(), texture.GetHeight(), GL_UNSIGNED_BYTE,
                      texture.GetData(), width, height, GL_UNSIGNED_BYTE, scaled.data());
        gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE, scaled.data());
        glFinish();
    }
    glDeleteTextures(1, &name);
}
BENCHMARK(RescaleAndMipmaps)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: one upload of an image already of the rescaled size, without mipmaps.
void PlainUpload(benchmark::State &state) {
    if (!MakeContextCurrent()) {
        state.SkipWithError("no offscreen OpenGL context");
        return;
    }
    std::vector<std::uint8_t> pixels(std::size_t(1024) * 1024 * 3, 100);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    for (auto _ : state) {
        glTexImage2D(GL_TEXTURE_2D, 0, 3, 1024, 1024, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        glFinish();
    }
    glDeleteTextures(1, &name);
}
BENCHMARK(PlainUpload)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace ventrel
