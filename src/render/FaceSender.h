// Sending an object to OpenGL piece by piece, for its own display list and for the scene's
// combined lists.
#pragma once

#include "math/Vec.h"

namespace ventrel {

class CObject3D;
class Placement;

// The material last sent by ApplyMaterial, so that a run of objects of one material sends it once.
struct SentMaterial {
    unsigned face = 0;
    Vec3 ambient, diffuse, specular;
    float shininess = 0;
    bool valid = false;

    bool SameAs(const SentMaterial &other) const {
        return valid && face == other.face && Same(ambient, other.ambient) &&
               Same(diffuse, other.diffuse) && Same(specular, other.specular) &&
               shininess == other.shininess;
    }

private:
    static bool Same(Vec3 a, Vec3 b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
};

// How SendFaces shapes its primitives.
enum class FaceStream {
    // Runs of triangles and of quads, and one polygon per larger face, each opened and closed; a
    // quad that the driver's choice of diagonal would change is cut into the same two triangles
    // as below.
    OwnPrimitives,
    // Every face cut into triangles inside a GL_TRIANGLES primitive the caller keeps open, so
    // that a display list of many objects is one primitive the driver can draw at once.
    InOpenTriangles,
};

// The values of the object's material m (out of range: material 0) for its face side; a colour
// its tables lack takes OpenGL's default.
SentMaterial MaterialValues(const CObject3D &object, int m);
// The one material all faces of the object are drawn with; false when its faces use several or
// when it sends none (it then keeps whatever material was set before it).
bool SingleMaterial(const CObject3D &object, SentMaterial &out);
void SendMaterial(const SentMaterial &material);
// Whether every corner of every face drawn gets a normal and, with `textured`, a texture coordinate
// of its own, rather than keeping the one OpenGL holds from whatever was drawn before it.
bool SendsEveryCorner(const CObject3D &object, bool textured);

// The object's placement as matrix operations on the current matrix.
void SendPlacement(const CObject3D &object);
// The faces with their normals, texture coordinates, identification colours and materials. With
// `placed`, points and normals are carried through that placement first, so that no matrix
// operation is needed; with `sent`, a material equal to the last one sent is not sent again.
void SendFaces(CObject3D &object, const Placement *placed, SentMaterial *sent, FaceStream stream);

} // namespace ventrel
