// A flat outline of float points and its .poly file.
#include "L_2D_Drawing.h"

#include "platform/AtomicFile.h"
#include "platform/FileNumbers.h"
#include "platform/WorkFolder.h"

#include <cmath>

namespace ventrel {

namespace {

// A file's coordinates lie within this many millimetres of the origin (a kilometre): what lies
// beyond is no organ part but a damaged or foreign file.
constexpr int kLargestCoordinate = 1000000;

} // namespace

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
    text.reserve(text.size() + m_points.size() * 33);
    for (const Vec2 &p : m_points) {
        AppendFixed(text, p.x, 16);
        text += ' ';
        AppendFixed(text, p.y, 16);
    }
    return text;
}

bool L_2D_Drawing::ParsePoly(const std::string &text, std::string &reason) {
    // One pass over the text with the widths of "%10d" then "%16f %16f" per point.
    size_t at = 0;
    int count = 0;
    if (!ReadInt(text, at, count, 10)) {
        reason = "no point count";
        return false;
    }
    if (count < 0 || count > kCapacity) {
        reason = Format("%d points (an outline holds 0 to %d)", count, kCapacity);
        return false;
    }
    // A short file keeps the count it states; the points it does not give are (0, 0).
    std::vector<Vec2> points(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        float xy[2] = {0, 0};
        size_t next = at;
        if (!ReadReal(text, next, xy[0], 16) || !ReadReal(text, next, xy[1], 16))
            break;
        for (int c = 0; c < 2; ++c) {
            const char *name = c == 0 ? "x" : "y";
            if (!std::isfinite(xy[c])) {
                reason = Format("point %d: %s is %s, not a number of millimetres", i + 1, name,
                                std::isnan(xy[c]) ? "nan" : "infinite");
                return false;
            }
            if (std::abs(xy[c]) > kLargestCoordinate) {
                reason = Format("point %d: %s = %s lies beyond +/-%d mm", i + 1, name,
                                FixedText(xy[c], 0).c_str(), kLargestCoordinate);
                return false;
            }
        }
        points[static_cast<size_t>(i)] = {xy[0], xy[1]};
        at = next;
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
    if (!ReadInputFile(path, text, ui))
        return false;
    std::string reason;
    if (!ParsePoly(text, reason)) {
        ui.MessageBox("Outline file " + path.string() + " refused: " + reason);
        return false;
    }
    return true;
}

} // namespace ventrel
