// The one 3D scene: its objects, shared textures, lights and camera.
#pragma once

#include "math/Vec.h"
#include "render/CObject3D.h"
#include "render/CSceneLight.h"
#include "render/SceneBatch.h"
#include "render/SceneTexture.h"

#include <memory>
#include <string>
#include <vector>

namespace ventrel {

class GlContext;
class Ui;

struct ScreenPoint {
    int x = 0, y = 0;
};

enum class StandardView { Front, Left, Right, Top };

class Scene {
public:
    static constexpr int kCapacity = 20000;

    explicit Scene(Ui *ui = nullptr);
    ~Scene();
    Scene(const Scene &) = delete;
    Scene &operator=(const Scene &) = delete;

    // --- objects -------------------------------------------------------------------------------
    // Stores the object in the next free slot; when the table is full the object is refused with a
    // message and nullptr is returned.
    CObject3D *AddObject(std::unique_ptr<CObject3D> object);
    // True when n more objects fit in the table.
    bool HasRoom(int n) const { return n >= 0 && m_nbobject <= m_capacity - n; }
    CObject3D *Object(int i) const;
    void AddLight(const CSceneLight &light) { m_lights.push_back(light); }
    // Shares a texture already loaded under the same name (exact comparison), else reads it;
    // returns 1 only when a new texture was added. The slot is left unchanged on failure.
    int LoadTexture(const std::string &fileName, int &slot, float alpha, bool addAlpha);
    void DeleteObjects();
    void InvalidateAll();
    void ComputeBounds();
    // Total faces of the objects seen by the last ComputeBounds.
    long FaceTotal() const { return m_faceTotal; }

    // --- OpenGL (a context must be current) ------------------------------------------------------
    // The initial state of a new view's context: polygon mode, shading, texture defaults, light 0,
    // blending, the default light; then the camera reset, BuildAll and BuildLights.
    void InitGl();
    void Reshape(int width, int height);
    // Clears to the background colour, renders and, with a context, swaps.
    void PaintFrame(Vec3 background, GlContext *context = nullptr);
    void Render();
    // Every object with its own placement and texture; `immediate` sends the geometry again instead
    // of calling the compiled lists (the same frame, for comparison). Objects compiled into the
    // scene's combined lists by the last BuildAll are drawn through those while none has changed.
    void DrawObjects(bool select, bool immediate = false);
    // The same frame with every face sent directly instead of through the display lists.
    void RenderImmediate();
    // The camera's placement, then every object through its list or sent directly.
    void RenderFrame(bool immediate);
    // Sorts opaque before transparent, compiles every object's list, then the combined lists.
    void BuildAll();
    void UploadTextures();
    void BuildLights();
    void DefaultLight();

    // --- camera and mouse ----------------------------------------------------------------------
    void ResetCamera();
    void LeftDown(ScreenPoint p);
    void LeftUp();
    void RightDown(ScreenPoint p);
    // Ends the drags, picks at p and shows the result in the status pane; returns the object or -1.
    int RightUp(ScreenPoint p);
    void MouseMove(ScreenPoint p);
    void Wheel(int delta, ScreenPoint p);
    void ToggleTurnAxis() { m_turnAboutY = !m_turnAboutY; }
    void SetView(StandardView view);
    // One step of the continuous rotation.
    void SpinStep() { m_rotation.y -= 0.5f; }
    void ToggleDisplay3D() { m_display3D = !m_display3D; }
    void ToggleVectorMode() { m_vectorMode = !m_vectorMode; }
    // Draws the identification colours and reads the object under p (window pixels, y down);
    // -1 when picking is off or nothing is there. A context must be current.
    int Pick(ScreenPoint p);

    std::vector<CSceneLight> m_lights;
    std::vector<std::unique_ptr<SceneTexture>> m_textures;
    std::vector<unsigned> m_textureNames;
    int m_texturesLoaded = 0;
    bool m_selectMode = false;
    int m_pickEnabled = 0;
    Vec3 m_max{-1e10f, -1e10f, -1e10f}, m_min{1e10f, 1e10f, 1e10f}, m_centre;
    bool m_vectorMode = false;
    int m_nbobject = 0;
    int m_capacity = kCapacity;
    unsigned m_minFilter = 0x2703; // GL_LINEAR_MIPMAP_LINEAR
    std::vector<std::unique_ptr<CObject3D>> m_objects;
    int m_picked = -1;
    Vec3 m_translation{0, 0, -20};
    Vec3 m_rotation;
    bool m_display3D = false;
    ScreenPoint m_lastMove, m_lastTurn;
    int m_rightDrag = 0;
    int m_leftDrag = 0;
    int m_turnAboutY = 1;
    ScreenPoint m_lastDelta;
    float m_translateStep = 0.05f, m_rotateStep = 0.05f;
    int m_viewWidth = 0, m_viewHeight = 0;
    double m_aspect = 1;

    // The texture of tin pipes and mixture tubes, given by the view before the organ is built.
    std::string m_pipeTexture = "tin.jpg";
    // Reads texture files; without one every texture fails to load and objects stay untextured.
    TextureReader m_readTexture;
    Ui *m_ui = nullptr;
    // The companion script of the last scene file read that had one: lines of an object name, a
    // blank and a text.
    std::string m_script;
    // Off, every object is drawn through its own list (to compare the two).
    bool m_combineLists = true;
    const SceneBatch &Batch() const { return m_batch; }

private:
    SceneBatch m_batch;
    void Status(const std::string &text);
    long m_faceTotal = 0;
    bool m_fullReported = false;
    std::vector<std::string> m_unreadableTextures;
};

} // namespace ventrel
