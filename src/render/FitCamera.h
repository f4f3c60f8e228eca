// Framing the whole scene from the camera's current direction.
#pragma once

namespace ventrel {

class Scene;

// Moves the camera (the scene's m_translation), keeping its direction (m_rotation), so that the
// whole scene fills the view: its bounds as the last ComputeBounds left them, the view's aspect
// m_aspect, the frame's 45 degree perspective. False, with nothing moved, when there is nothing
// to fit.
bool FitCamera(Scene &scene);

} // namespace ventrel
