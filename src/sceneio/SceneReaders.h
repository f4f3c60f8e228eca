// The object readers of scene files: each call fills one object from the words of a V_Lib.
#pragma once

namespace ventrel {

class CObject3D;
class Scene;
class V_Lib;

// Both return 1 when another object follows, 0 when the file's reading is to stop.
int ReadVrml1Object(Scene &scene, V_Lib &lib, CObject3D &object);
int ReadVrml2Object(Scene &scene, V_Lib &lib, CObject3D &object);

} // namespace ventrel
