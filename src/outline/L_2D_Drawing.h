// A flat outline of float points (turret profile, path, tower section) and its .poly file.
#pragma once

#include "math/Vec.h"
#include "platform/Ui.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ventrel {

enum class PolyFile { Output, Input };

class L_2D_Drawing {
public:
    static constexpr int kCapacity = 1000;
    // The plane list of the outline dialog; the index is stored with the outline.
    static constexpr const char* kPlaneNames[6] = {"XoY", "YoX", "YoZ", "ZoY", "ZoX", "XoZ"};

    L_2D_Drawing() { m_points.reserve(kCapacity); }

    // Appends a point and moves the pen there; false (nothing added) when the outline is full.
    bool AddPoint(Vec2 point);
    int PointCount() const { return static_cast<int>(m_points.size()); }
    // The point i, or (0, 0) for an index outside the outline.
    Vec2 Point(int i) const;
    void Clear();

    // Writes (Output) or reads (Input) the outline as a .poly file. Failures are reported through
    // the Ui and return false; a failed read leaves the outline as it was.
    bool L_2D_savepoints(const std::filesystem::path& path, PolyFile direction, Ui& ui);

    // The .poly text of the outline, and the parse of one.
    std::string PolyText() const;
    // Fills the outline from .poly text; false with a reason when the text cannot be an outline.
    bool ParsePoly(const std::string& text, std::string& reason);

    std::vector<Vec2> m_points; // the valid points, in order
    Vec2 m_pen;                 // the last point appended; (0, 0) when empty
    int m_plane = 0;            // index into kPlaneNames
};

} // namespace ventrel
