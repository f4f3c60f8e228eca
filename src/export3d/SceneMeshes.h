// The scene's objects as plain triangle meshes in the exported frame: every point where the view
// draws it, in metres, each corner with its normal and texture coordinate, faces grouped by
// material.
#pragma once

#include "math/Vec.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ventrel {

class Scene;

// What a run of faces is drawn with. Colours as the view sends them to OpenGL (0 … 1 each);
// `texture` indexes SceneMeshes::textures, or is -1.
struct MeshMaterial {
    Vec3 diffuse{1, 1, 1}, ambient{0.2f, 0.2f, 0.2f}, specular{0.2f, 0.2f, 0.2f};
    float shininess = 0; // OpenGL's 0 … 128
    float opacity = 1;   // 1 − the object's transparency
    int texture = -1;
    friend bool operator==(const MeshMaterial &, const MeshMaterial &) = default;
};

// The triangles of one material: three corners each, indexes into the object's corner arrays.
struct MeshPart {
    int material = 0;
    std::vector<std::uint32_t> corners;
};

// One object of the scene. Corners shared by faces (same point, normal and texture coordinate)
// are stored once. Texture coordinates are present for a textured object only, with v growing
// from the top of the picture down (as glTF counts it).
struct MeshObject {
    std::string name;
    std::vector<Vec3> positions;
    std::vector<Vec3> normals;
    std::vector<Vec2> uvs;
    std::vector<MeshPart> parts;

    std::size_t TriangleCount() const;
};

struct SceneMeshes {
    std::vector<MeshObject> objects;
    std::vector<MeshMaterial> materials;
    // The scene's texture slots used, in the order the materials first use them.
    std::vector<int> textureSlots;
};

// The scale from the scene's unit (millimetres) to the exported one (metres).
inline constexpr float kMetresPerSceneUnit = 0.001f;

// Every object of the scene that has a face to draw, in scene order, as the view draws it: placed
// in the scene, faces of three corners or more naming existing points (larger ones cut into a fan
// from their first corner, as the view cuts them), the normals the view lights them with (derived
// first where the object has none yet, as compiling does), texture coordinates through the
// object's texture transform. A face with a point that is not a finite number is left out.
SceneMeshes CollectMeshes(Scene &scene);

} // namespace ventrel
