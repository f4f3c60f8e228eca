// The surfaceless EGL context and its framebuffer object.
#include "platform/egl/EglContext.h"

#define GL_GLEXT_PROTOTYPES
#include <algorithm>
#include <cstdio>

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

namespace ventrel {

namespace {

void SetError(std::string *error, const std::string &text) {
    if (error)
        *error = text;
}

std::string EglCode() {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "0x%04X", static_cast<unsigned>(eglGetError()));
    return buffer;
}

EGLDisplay SurfacelessDisplay() {
    auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay)
        if (EGLDisplay display =
                getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
            display != EGL_NO_DISPLAY)
            return display;
    return eglGetDisplay(EGL_DEFAULT_DISPLAY);
}

} // namespace

std::unique_ptr<EglContext> EglContext::Create(int width, int height, std::string *error) {
    if (width < 1 || height < 1 || width > 16384 || height > 16384) {
        SetError(error, "Invalid image size");
        return nullptr;
    }
    std::unique_ptr<EglContext> context(new EglContext);
    EGLDisplay display = SurfacelessDisplay();
    EGLint major = 0, minor = 0;
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, &major, &minor)) {
        SetError(error, "No OpenGL: EGL could not be initialised (" + EglCode() + ")");
        return nullptr;
    }
    context->m_display = display;
    if (!eglBindAPI(EGL_OPENGL_API)) {
        SetError(error, "No OpenGL: EGL offers no desktop OpenGL (" + EglCode() + ")");
        return nullptr;
    }
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE,
                                       EGL_PBUFFER_BIT,
                                       EGL_RENDERABLE_TYPE,
                                       EGL_OPENGL_BIT,
                                       EGL_RED_SIZE,
                                       8,
                                       EGL_GREEN_SIZE,
                                       8,
                                       EGL_BLUE_SIZE,
                                       8,
                                       EGL_DEPTH_SIZE,
                                       24,
                                       EGL_NONE};
    EGLConfig config = nullptr;
    EGLint configCount = 0;
    if (!eglChooseConfig(display, configAttributes, &config, 1, &configCount) || configCount < 1)
        config = nullptr; // surfaceless contexts can do without a config
    const EGLint contextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                        EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
    EGLContext glContext = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
    if (glContext == EGL_NO_CONTEXT) {
        SetError(error, "No OpenGL: no compatibility-profile context (" + EglCode() + ")");
        return nullptr;
    }
    context->m_context = glContext;
    if (!context->MakeCurrent()) {
        SetError(error, "No OpenGL: the context cannot be made current (" + EglCode() + ")");
        return nullptr;
    }
    if (!context->CreateFramebuffer(width, height, error))
        return nullptr;
    return context;
}

EglContext::~EglContext() {
    if (m_display) {
        if (m_context) {
            if (eglGetCurrentContext() != m_context)
                MakeCurrent();
            DeleteFramebuffer();
            eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
            eglDestroyContext(m_display, m_context);
        }
        // The display stays initialised for the rest of the process: terminating it unloads the
        // driver, and the next context would load it all again.
    }
}

bool EglContext::MakeCurrent() {
    if (!eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, m_context))
        return false;
    if (m_framebuffer)
        glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    return true;
}

void EglContext::SwapBuffers() {
    glFinish();
}

bool EglContext::CreateFramebuffer(int width, int height, std::string *error) {
    glGenFramebuffers(1, &m_framebuffer);
    glGenRenderbuffers(1, &m_colour);
    glGenRenderbuffers(1, &m_depth);
    glBindRenderbuffer(GL_RENDERBUFFER, m_colour);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, m_depth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_colour);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                              m_depth);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        SetError(error, "No OpenGL: the offscreen framebuffer is incomplete");
        DeleteFramebuffer();
        return false;
    }
    m_width = width;
    m_height = height;
    glViewport(0, 0, width, height);
    return true;
}

void EglContext::DeleteFramebuffer() {
    if (m_framebuffer) {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteFramebuffers(1, &m_framebuffer);
    }
    if (m_colour)
        glDeleteRenderbuffers(1, &m_colour);
    if (m_depth)
        glDeleteRenderbuffers(1, &m_depth);
    m_framebuffer = m_colour = m_depth = 0;
}

bool EglContext::Resize(int width, int height) {
    if (width < 1 || height < 1 || width > 16384 || height > 16384)
        return false;
    if (width == m_width && height == m_height)
        return true;
    DeleteFramebuffer();
    return CreateFramebuffer(width, height, nullptr);
}

std::vector<std::uint8_t> EglContext::ReadRgba() const {
    std::vector<std::uint8_t> bottomUp(static_cast<size_t>(m_width) * m_height * 4);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<std::uint8_t> topDown(bottomUp.size());
    const size_t row = static_cast<size_t>(m_width) * 4;
    for (int y = 0; y < m_height; ++y)
        std::copy_n(bottomUp.data() + (m_height - 1 - y) * row, row, topDown.data() + y * row);
    return topDown;
}

std::string EglContext::Description() const {
    const auto *version = reinterpret_cast<const char *>(glGetString(GL_VERSION));
    const auto *renderer = reinterpret_cast<const char *>(glGetString(GL_RENDERER));
    return std::string(version ? version : "?") + ", " + (renderer ? renderer : "?");
}

} // namespace ventrel
