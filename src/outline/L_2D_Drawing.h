// A flat outline of float points (turret profile, path, tower section) and its .poly file.
#pragma once

#include "OutlineEditState.h"
#include "math/Vec.h"
#include "platform/Ui.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ventrel {

class Canvas;

enum class PolyFile { Output, Input };

class L_2D_Drawing {
public:
    static constexpr int kCapacity = 1000;
    // The plane list of the outline dialog; the index is stored with the outline.
    static constexpr const char *kPlaneNames[6] = {"XoY", "YoX", "YoZ", "ZoY", "ZoX", "XoZ"};

    L_2D_Drawing() { m_points.reserve(kCapacity); }

    // Appends a point and moves the pen there; false (nothing added) when the outline is full.
    bool AddPoint(Vec2 point);
    int PointCount() const { return static_cast<int>(m_points.size()); }
    // The point i, or (0, 0) for an index outside the outline.
    Vec2 Point(int i) const;
    void Clear();

    // Writes (Output) or reads (Input) the outline as a .poly file. Failures are reported through
    // the Ui and return false; a failed read leaves the outline as it was.
    bool L_2D_savepoints(const std::filesystem::path &path, PolyFile direction, Ui &ui);

    // The .poly text of the outline, and the parse of one.
    std::string PolyText() const;
    // Fills the outline from .poly text; false with a reason when the text cannot be an outline.
    bool ParsePoly(const std::string &text, std::string &reason);

    // --- Editing with the mouse and preset shapes (L_2D_DrawingEditing.cpp) ---
    // Appends a quarter arc of radius `length` from the pen position: kind 1 ... 4, `steps`
    // points, stretched by (sx, sy). False (nothing added, a message shown) for another kind or
    // when the outline would exceed its 1000 points.
    bool AddQuarter(float length, int kind, int steps = 10, float sx = 1, float sy = 1,
                    Ui *ui = nullptr);
    // The dialog's POLYLINE button: arms point entry and starts a new entry.
    void ArmEntry();
    // The dialog's line (9) and arc (13) buttons; 0 returns to free point entry.
    void SetMode(int mode);
    // Mode 3: a quarter of radius `length` from the pen, drawn as a preview and never added.
    void ShowQuarterPreview(float length);
    // Mouse in view pixels (snapped while snap is on).
    void LeftButtonDown(int x, int y, Ui &ui);
    void MouseMove(int x, int y);
    void LeftButtonUp();
    // Removes the last entry: points back to the count before it (free entry) or the last
    // element (other modes).
    void Undo();
    // Empties the point list (free entry) or the element list (other modes).
    void ClearEntries();
    // The outline as one line through its points, the elements and the markers, mapped by the
    // view's scale and pan.
    void Draw(Canvas &canvas, float scale, int panX, int panY) const;
    static int Snap(int c, int step = OutlineEditState::kSnapStep);

    std::vector<Vec2> m_points; // the valid points, in order
    Vec2 m_pen;                 // the last point appended; (0, 0) when empty
    int m_plane = 0;            // index into kPlaneNames
    OutlineEditState m_edit;
};

} // namespace ventrel
