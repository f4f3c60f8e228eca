// An OpenGL context the 3D view draws into: on screen in the desktop app, offscreen in batch runs.
#pragma once

namespace ventrel {

// The renderer never creates a context: it draws into one that its owner made current.
class GlContext {
public:
    virtual ~GlContext() = default;
    // Makes the context current on this thread; false when that fails.
    virtual bool MakeCurrent() = 0;
    // Shows the frame just drawn (an offscreen context finishes it instead).
    virtual void SwapBuffers() = 0;
};

} // namespace ventrel
