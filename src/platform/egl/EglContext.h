// An offscreen OpenGL context on Mesa's surfaceless EGL platform, drawing into a framebuffer
// object.
#pragma once

#include "platform/GlContext.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ventrel {

// A compatibility-profile context (display lists, immediate mode, lights) with a colour and depth
// framebuffer object of the requested size, for batch rendering and tests; it needs no display.
class EglContext : public GlContext {
public:
    // Creates and makes current a context of width x height pixels; nullptr with the reason in
    // error when EGL or OpenGL is not available.
    static std::unique_ptr<EglContext> Create(int width, int height, std::string *error = nullptr);
    ~EglContext() override;
    EglContext(const EglContext &) = delete;
    EglContext &operator=(const EglContext &) = delete;

    bool MakeCurrent() override;
    // Finishes the frame (there is nothing to show).
    void SwapBuffers() override;

    // Resizes the framebuffer; the contents are lost.
    bool Resize(int width, int height);
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The framebuffer as RGBA bytes, top row first.
    std::vector<std::uint8_t> ReadRgba() const;
    // "4.5 (Compatibility Profile) Mesa ..." and the renderer name, for messages.
    std::string Description() const;

private:
    EglContext() = default;
    bool CreateFramebuffer(int width, int height, std::string *error);
    void DeleteFramebuffer();

    void *m_display = nullptr;
    void *m_context = nullptr;
    unsigned m_framebuffer = 0;
    unsigned m_colour = 0;
    unsigned m_depth = 0;
    int m_width = 0;
    int m_height = 0;
};

} // namespace ventrel
