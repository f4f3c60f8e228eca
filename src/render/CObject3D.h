// One indexed polygon mesh of the 3D scene, with its placement, materials, texture and display
// list.
#pragma once

#include "math/Vec.h"

#include <memory>
#include <string>
#include <vector>

namespace ventrel {

class CMatrix;
class Scene;
class Ui;
struct CAnimation;
struct CViewpoint;
struct SentMaterial;

// Faces are runs of point indexes, each ended by -1; nbindex counts every entry, terminators
// included. The per-corner arrays (m_texindex, m_normalindex, m_vertexnormalindex) have the same
// layout as m_index. An empty array counts as absent. The counts are kept beside the arrays for the
// readers and builders that fill them; every reader of the arrays also stays within their sizes.
class CObject3D {
public:
    CObject3D();
    ~CObject3D();
    CObject3D(const CObject3D &) = delete;
    CObject3D &operator=(const CObject3D &) = delete;

    // Every field back to its initial value (the arrays are simply dropped).
    void Reset();
    // Frees the arrays, the animation and the display list, then resets.
    void Destroy();
    // Drops points, faces, texture coordinates and normals (before a builder refills them).
    void ClearGeometry();

    // Material colours from a COLORREF 0x00BBGGRR; nothing when there are no points or no array.
    void SetAmbient(int i, unsigned colour);
    void SetDiffuse(int i, unsigned colour);
    void SetSpecular(int i, unsigned colour);
    // Gives the object `count` materials, with the three colour arrays and shininess present.
    void AllocMaterials(int count);

    void Scale(Vec3 v);
    void Translate(Vec3 v);
    // Every point p becomes m x p (m is 3 x 3).
    void Transform(const CMatrix &m);
    void SetNormalMode(int mode);

    // The index of the object's texture in the scene's list, or -1 when it has none.
    int TextureName();

    // Shape builders shared by the 3D constructions.
    void MakeQuad(Scene &scene, const std::string &name, Vec3 origin, Vec2 size,
                  const std::string &texture);
    void MakeGrid(float du, float dv, int nu, int nv, int orientation);
    // Side walls of every face of profile, swept by offset (no caps).
    void MakeExtrusion(const CObject3D &profile, Vec3 offset);
    // Asks the scene's texture table for m_textureFile and marks the object textured on success.
    void AttachTexture(Scene &scene);

    // Normals (filled only where missing). FaceNormal reports through ui when c is out of range.
    bool FaceNormal(Vec3 &out, int c, Ui *ui = nullptr) const;
    void BuildFaceNormals(Ui *ui = nullptr);
    void L_BuildNormals(Ui *ui = nullptr);

    // OpenGL: compile into a display list, draw it, send one face's material. A context must be
    // current.
    bool Compile(Ui *ui = nullptr);
    void Draw(bool full, Ui *ui = nullptr);
    void ApplyMaterial(int k);
    // The same, skipping a material equal to the one `sent` remembers (and remembering this one).
    void ApplyMaterial(int k, SentMaterial *sent);
    // The same faces sent directly, without a list (for comparison and for one-off drawing).
    void DrawImmediate();
    void DeleteList();

    // Bounding box of the points as placed by echelle and translation.
    void ComputeLocalBounds();

    std::vector<Vec3> m_normales;
    std::vector<Vec3> m_normalesPerVertex;
    std::vector<int> m_normalindex;
    std::vector<Vec2> m_outline; // an attached 2D outline, drawn in red after the mesh
    int nbnormal = 0;
    int m_faceCount = 0;
    std::vector<int> m_faceMaterial;
    int m_lastMaterial = -1;
    std::vector<int> m_vertexnormalindex;
    int m_lastFaceSize = 0, m_faceSize = 0;
    int m_materialAlways = 0;
    int m_useMaterials = 1;
    int m_listBuilt = 0;
    int m_cursor = 0;
    int m_showNormals = 0;
    bool m_showAxes = false;
    int nbmaterial = 0;
    bool m_texTransform = false;
    bool m_texRotate = false;
    float m_texAngle = 0;
    int m_textureSlot = -1;
    int m_textureMode = -1;
    int m_textureUses = 0;
    bool m_texTranslate = false;
    Vec2 m_texOffset;
    bool m_texScale = false;
    Vec2 m_texScaleST{1, 1};
    bool m_texAlpha = false;
    bool m_texTranslate2 = false;
    Vec2 m_texOffset2;
    bool m_lit = true;
    int m_normalMode = 0;
    std::vector<Vec3> m_vertices;
    std::vector<Vec2> m_texvertex;
    int nbtexvertex = 0;
    std::vector<int> m_texindex;
    std::string m_textureFile;
    std::vector<int> m_index;
    int nbindex = 0;
    bool m_ownTransform = false;
    bool m_hasMatrix = false;
    float m_matrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    Vec3 translation;
    Vec3 m_position;
    float angle = 0;
    float m_scaleAngle = 0;
    Vec3 rotation;
    Vec3 m_orientation;
    Vec3 echelle{1, 1, 1};
    Vec3 m_scaleAxis{1, 1, 1};
    std::vector<Vec3> T_ambientColor;
    std::vector<Vec3> T_diffuseColor;
    std::vector<Vec3> T_specularColor;
    std::vector<float> T_shininess;
    std::vector<Vec3> T_emissive;
    float m_transparency = 0;
    int m_dirty = 1;
    unsigned m_face = 0x0408;        // GL_FRONT_AND_BACK
    unsigned m_polygonMode = 0x1B02; // GL_FILL
    int m_texVFactor = -1;
    std::string m_name;
    int m_pickName = 0;
    unsigned m_list = 0;
    // Tells one compile of the object from another (0: never compiled).
    unsigned long m_compileStamp = 0;
    int m_listValid = 0;
    int nbpts = 0;
    int nbface = 0;
    Vec3 m_o_max_xyz{-1e10f, -1e10f, -1e10f};
    Vec3 m_worldMax;
    Vec3 m_o_min_xyz{1e10f, 1e10f, 1e10f};
    Vec3 m_worldMin;
    Vec3 m_centre;
    float m_radius = 0;
    std::unique_ptr<CAnimation> m_anim;
    // Kept from scene files for whoever uses them: a viewpoint, the companion script's line for
    // this object, the centre of the texture transform, the ambient intensity per material.
    std::unique_ptr<CViewpoint> m_viewpoint;
    std::string m_script;
    bool m_texCentreSet = false;
    Vec2 m_texCentre;
    std::vector<float> T_ambientIntensity;
    // Loft bookkeeping: profile and path point counts of the last MakeLoft.
    int m_loftProfileCount = 0, m_loftPathCount = 0;
    // Three size numbers kept for bars and free pipes of an organ file.
    Vec3 m_size;

    // Counts clipped to what the arrays really hold.
    int PointCount() const;
    int IndexCount() const;
};

} // namespace ventrel
