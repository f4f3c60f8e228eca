// One still picture of the whole scene, for the batch tool and the picture tests.
#pragma once

#include "math/Vec.h"
#include "render/Scene.h"

namespace ventrel {

// Places the camera so that the whole scene, seen from the standard view, fills the picture: the
// rotation of the view, the scene's centre brought in front of the eye and a distance at which
// its bounding sphere fits the 45-degree field. The scene's bounds must be computed (BuildAll).
void FitCamera(Scene &scene, StandardView view);

// Draws one frame of width x height pixels into the current context: the view's initial OpenGL
// state, the objects compiled, the camera fitted to the view, filled or as lines.
void PaintSnapshot(Scene &scene, int width, int height, StandardView view, bool vectorMode,
                   Vec3 background = {0, 0, 0});

} // namespace ventrel
