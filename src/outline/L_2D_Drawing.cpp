// A flat outline of float points and its .poly file.
#include "L_2D_Drawing.h"

#include "platform/AtomicFile.h"
#include "platform/WorkFolder.h"

#include <cstdio>

namespace ventrel {

bool L_2D_Drawing::AddPoint(Vec2 point) {
    if (PointCount() >= kCapacity)
        return false;
    m_points.push_back(point);
    m_pen = point;
    return true;
}

Vec2 L_2D_Drawing::Point(int i) const {
    return i >= 0 && i < PointCount() ? m_points[static_cast<size_t>(i)] : Vec2{};
}

void L_2D_Drawing::Clear() {
    m_points.clear();
    m_pen = {};
}

std::string L_2D_Drawing::PolyText() const {
    std::string text = Format("%10d", PointCount());
    for (const Vec2 &p : m_points)
        text += Format("%16f %16f", static_cast<double>(p.x), static_cast<double>(p.y));
    return text;
}

bool L_2D_Drawing::ParsePoly(const std::string &text, std::string &reason) {
    int count = 0;
    int used = 0;
    if (std::sscanf(text.c_str(), "%10d%n", &count, &used) != 1) {
        reason = "no point count";
        return false;
    }
    if (count < 0 || count > kCapacity) {
        reason = Format("%d points (an outline holds 0 to %d)", count, kCapacity);
        return false;
    }
    // A short file keeps the count it states; the points it does not give are (0, 0).
    std::vector<Vec2> points(static_cast<size_t>(count));
    size_t offset = static_cast<size_t>(used);
    for (int i = 0; i < count; ++i) {
        float x = 0, y = 0;
        if (std::sscanf(text.c_str() + offset, "%16f %16f%n", &x, &y, &used) != 2)
            break;
        points[static_cast<size_t>(i)] = {x, y};
        offset += static_cast<size_t>(used);
    }
    m_points = std::move(points);
    m_pen = m_points.empty() ? Vec2{} : m_points.back();
    m_plane = 0;
    return true;
}

bool L_2D_Drawing::L_2D_savepoints(const std::filesystem::path &path, PolyFile direction, Ui &ui) {
    if (path.empty()) {
        ui.MessageBox(direction == PolyFile::Output ? "No file selected for L_2D_savepoints output"
                                                    : "No file selected for L_2D_savepoints input");
        return false;
    }
    if (direction == PolyFile::Output) {
        std::string error;
        if (!WriteFileAtomically(path, PolyText(), &error)) {
            ui.MessageBox("Cannot write outline file " + error);
            return false;
        }
        return true;
    }
    std::string text;
    if (!ReadWholeFile(path, text)) {
        ui.MessageBox(Format("FICHIER %s ABSENT\n", path.string().c_str()));
        return false;
    }
    std::string reason;
    if (!ParsePoly(text, reason)) {
        ui.MessageBox("Outline file " + path.string() + " refused: " + reason);
        return false;
    }
    return true;
}

} // namespace ventrel
