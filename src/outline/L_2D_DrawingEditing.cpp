// Drawing an outline with the mouse and preset quarter arcs: snap, point entry, undo, elements.
#include "L_2D_Drawing.h"
#include "math/Saturate.h"

#include "platform/Canvas.h"
#include "platform/Ui.h"

#include <cmath>

namespace ventrel {
namespace {

constexpr double kPi = 3.14159265358979;

// The drawing colours, as COLORREF values 0x00BBGGRR.
constexpr std::uint32_t kOutlinePen = 0x0000FF;
constexpr std::uint32_t kMarkPen = 0xFFFFFF;
constexpr std::uint32_t kMousePen = 0x00FF00;
constexpr std::uint32_t kLinePen = 0xFF0000;
constexpr std::uint32_t kArcPen = 0x0000FF;
constexpr std::uint32_t kConstructionPen = 0xFFFFFF;
constexpr std::uint32_t kPreviewPen = 0x00FF00;

Rgb FromColorref(std::uint32_t colour) {
    return {static_cast<std::uint8_t>(colour & 0xFF),
            static_cast<std::uint8_t>((colour >> 8) & 0xFF),
            static_cast<std::uint8_t>((colour >> 16) & 0xFF)};
}

const char *kFullOutline = "The outline holds at most 1000 points: this point was not added.";
const char *kFullUndo = "The undo history holds at most 100 entries: further points are kept but "
                        "undo goes back past them.";

struct Mapping {
    float scale;
    int panX, panY;
    int X(float x) const { return SaturatingInt(panX + std::trunc(double(x * scale))); }
    int Y(float y) const { return SaturatingInt(panY + std::trunc(double(y * scale))); }
};

void Cross(Canvas &canvas, int x, int y) {
    canvas.MoveTo(x - 5, y);
    canvas.LineTo(x + 5, y);
    canvas.MoveTo(x, y - 5);
    canvas.LineTo(x, y + 5);
}

// The cubic through four points at t = 0, 1/3, 2/3 and 1.
Vec2 ArcPoint(const DrawingElement &e, double t) {
    const Vec2 p[4] = {e.first, e.third, e.fourth, e.second};
    const double knots[4] = {0, 1.0 / 3, 2.0 / 3, 1};
    double x = 0, y = 0;
    for (int i = 0; i < 4; ++i) {
        double w = 1;
        for (int j = 0; j < 4; ++j)
            if (j != i)
                w *= (t - knots[j]) / (knots[i] - knots[j]);
        x += w * p[i].x;
        y += w * p[i].y;
    }
    return {static_cast<float>(x), static_cast<float>(y)};
}

} // namespace

int L_2D_Drawing::Snap(int c, int step) {
    const int snapped = (c / step) * step;
    return c % step > step / 2 ? snapped + step : snapped;
}

bool L_2D_Drawing::AddQuarter(float length, int kind, int steps, float sx, float sy, Ui *ui) {
    if (kind < 1 || kind > 4 || steps < 1)
        return false;
    if (PointCount() + steps > kCapacity) {
        if (ui)
            ui->MessageBox(kFullOutline);
        return false;
    }
    double px = m_pen.x, py = m_pen.y;
    double start = 0;
    switch (kind) {
    case 2:
        start = kPi / 2;
        px += length;
        py += length;
        break;
    case 3:
        start = kPi;
        px += static_cast<int>(2 * length);
        break;
    case 4:
        start = 3 * kPi / 2;
        px += length;
        py += length;
        break;
    default:
        break;
    }
    for (int i = 1; i <= steps; ++i) {
        const double theta = i * kPi / (2 * steps) + start;
        AddPoint({static_cast<float>((1 - std::cos(theta)) * length * sx + px),
                  static_cast<float>(std::sin(theta) * length * sy + py)});
    }
    // One entry for the whole shape, so that an Undo right after it keeps the shape.
    if (static_cast<int>(m_edit.undo.size()) < OutlineEditState::kUndoCapacity)
        m_edit.undo.push_back(PointCount());
    return true;
}

void L_2D_Drawing::ArmEntry() {
    m_edit.entry_armed = 2;
    m_edit.click_state = 0;
}

void L_2D_Drawing::SetMode(int mode) {
    m_edit.mode = mode;
    m_edit.click_state = 0;
    m_edit.clicks.clear();
}

void L_2D_Drawing::ShowQuarterPreview(float length) {
    SetMode(OutlineEditState::kQuarterPreview);
    m_edit.preview_length = length;
}

void L_2D_Drawing::LeftButtonDown(int x, int y, Ui &ui) {
    if (m_edit.snap) {
        x = Snap(x);
        y = Snap(y);
    }
    const Vec2 point{static_cast<float>(x), static_cast<float>(y)};
    m_edit.button_down = true;

    if (m_edit.mode == OutlineEditState::kLine || m_edit.mode == OutlineEditState::kArc) {
        m_edit.mark = point;
        m_edit.show_mark = true;
        m_edit.clicks.push_back(point);
        const size_t needed = m_edit.mode == OutlineEditState::kLine ? 2 : 4;
        m_edit.click_state = static_cast<int>(m_edit.clicks.size()) % static_cast<int>(needed);
        if (m_edit.clicks.size() == needed) {
            DrawingElement element;
            element.kind = m_edit.mode;
            element.first = m_edit.clicks.front();
            element.second = m_edit.clicks.back();
            element.pen = m_edit.mode == OutlineEditState::kLine ? kLinePen : kArcPen;
            if (needed == 4) {
                element.third = m_edit.clicks[1];
                element.fourth = m_edit.clicks[2];
            }
            m_edit.elements.push_back(element);
            m_edit.clicks.clear();
        }
        return;
    }
    if (m_edit.mode != OutlineEditState::kFree || m_edit.entry_armed != 2)
        return;

    const int before = m_edit.click_state == 0 ? 0 : PointCount();
    if (before >= kCapacity) {
        ui.MessageBox(kFullOutline);
        return;
    }
    if (m_edit.click_state == 0) {
        Clear();
        m_edit.undo.clear();
        m_edit.undo_full_reported = false;
        m_edit.click_state = 1;
    }
    AddPoint(point);
    m_edit.mark = point;
    m_edit.show_mark = true;
    if (static_cast<int>(m_edit.undo.size()) < OutlineEditState::kUndoCapacity) {
        m_edit.undo.push_back(before);
    } else if (!m_edit.undo_full_reported) {
        m_edit.undo_full_reported = true;
        ui.MessageBox(kFullUndo);
    }
}

void L_2D_Drawing::MouseMove(int x, int y) {
    const bool tracking =
        m_edit.mode == OutlineEditState::kLine || m_edit.mode == OutlineEditState::kArc;
    if (!tracking || !m_edit.button_down)
        return;
    m_edit.mouse = {static_cast<float>(x), static_cast<float>(y)};
    m_edit.show_mouse = true;
}

void L_2D_Drawing::LeftButtonUp() {
    m_edit.button_down = false;
    m_edit.show_mouse = false;
}

void L_2D_Drawing::Undo() {
    if (m_edit.mode != OutlineEditState::kFree) {
        if (!m_edit.elements.empty())
            m_edit.elements.pop_back();
        return;
    }
    if (m_edit.undo.empty())
        return;
    const int count = m_edit.undo.back();
    m_edit.undo.pop_back();
    m_edit.undo_full_reported = false;
    if (count >= 0 && count < PointCount())
        m_points.resize(static_cast<size_t>(count));
    m_pen = m_points.empty() ? Vec2{} : m_points.back();
    if (m_points.empty())
        m_edit.click_state = 0;
}

void L_2D_Drawing::ClearEntries() {
    if (m_edit.mode != OutlineEditState::kFree) {
        m_edit.elements.clear();
        m_edit.clicks.clear();
        return;
    }
    Clear();
    m_edit.undo.clear();
    m_edit.undo_full_reported = false;
    m_edit.click_state = 0;
    m_edit.show_mark = false;
}

void L_2D_Drawing::Draw(Canvas &canvas, float scale, int panX, int panY) const {
    const Mapping map{scale, panX, panY};
    if (!m_points.empty()) {
        canvas.SetPen(FromColorref(kOutlinePen), 1);
        canvas.MoveTo(map.X(m_points[0].x), map.Y(m_points[0].y));
        for (size_t i = 1; i < m_points.size(); ++i)
            canvas.LineTo(map.X(m_points[i].x), map.Y(m_points[i].y));
    }
    for (const DrawingElement &e : m_edit.elements) {
        if (e.kind == OutlineEditState::kArc) {
            canvas.SetPen(FromColorref(kConstructionPen), 1);
            canvas.MoveTo(map.X(e.first.x), map.Y(e.first.y));
            canvas.LineTo(map.X(e.third.x), map.Y(e.third.y));
            canvas.MoveTo(map.X(e.fourth.x), map.Y(e.fourth.y));
            canvas.LineTo(map.X(e.second.x), map.Y(e.second.y));
            canvas.SetPen(FromColorref(e.pen), 1);
            canvas.MoveTo(map.X(e.first.x), map.Y(e.first.y));
            for (int i = 1; i <= 32; ++i) {
                const Vec2 p = ArcPoint(e, i / 32.0);
                canvas.LineTo(map.X(p.x), map.Y(p.y));
            }
        } else {
            canvas.SetPen(FromColorref(e.pen), 1);
            canvas.MoveTo(map.X(e.first.x), map.Y(e.first.y));
            canvas.LineTo(map.X(e.second.x), map.Y(e.second.y));
        }
    }
    if (m_edit.mode == OutlineEditState::kQuarterPreview) {
        // The kind-1 quarter the button would add, from the pen position.
        const double length = m_edit.preview_length;
        canvas.SetPen(FromColorref(kPreviewPen), 1);
        canvas.MoveTo(map.X(m_pen.x), map.Y(m_pen.y));
        for (int i = 1; i <= 10; ++i) {
            const double theta = i * kPi / 20;
            canvas.LineTo(map.X(static_cast<float>((1 - std::cos(theta)) * length + m_pen.x)),
                          map.Y(static_cast<float>(std::sin(theta) * length + m_pen.y)));
        }
    }
    // Markers are in view pixels, where they were clicked.
    if (m_edit.show_mark) {
        canvas.SetPen(FromColorref(kMarkPen), 1);
        Cross(canvas, static_cast<int>(m_edit.mark.x), static_cast<int>(m_edit.mark.y));
    }
    if (m_edit.show_mouse) {
        canvas.SetPen(FromColorref(kMousePen), 1);
        Cross(canvas, static_cast<int>(m_edit.mouse.x), static_cast<int>(m_edit.mouse.y));
    }
}

} // namespace ventrel
