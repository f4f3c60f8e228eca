// Integer 2D outlines (polylines and drilling-mark sets) and the lists that gather them.
#include "L_2D_Object.h"

#include "chest/Drawing2D.h"
#include "fabrication/DxfWriter.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cmath>

namespace ventrel {
namespace {

int Truncate(long double value) {
    return static_cast<int>(value);
}

} // namespace

L_2D_Object::L_2D_Object(int count, int kind)
    : m_kind(kind), m_count(std::max(0, count)), m_points(static_cast<size_t>(std::max(0, count))) {
}

L_2D_Point L_2D_Object::Point(int i) const {
    if (i < 0 || i >= Capacity())
        return {};
    return m_points[static_cast<size_t>(i)];
}

void L_2D_Object::SetPoint(int i, L_2D_Point point) {
    if (i >= 0 && i < Capacity())
        m_points[static_cast<size_t>(i)] = point;
}

bool L_2D_Object::NotchedProfile(int a, int b, int n, Ui &ui) {
    if (n < 0 || m_fill + 4 * n + 2 > Capacity()) {
        ui.MessageBox("***DEBORDEMENT");
        return false;
    }
    auto append = [this](int x, int y) { m_points[static_cast<size_t>(m_fill++)] = {x, y}; };
    for (int t = 0; t < n; ++t) {
        const int c = 2 * b * t;
        append(0, c);
        append(0, c + b);
        append(a, c + b);
        append(a, c + 2 * b);
    }
    append(0, 2 * b * n);
    append(0, 2 * b * n + b);
    return true;
}

void L_2D_Object::Scale(double sx, double sy) {
    for (L_2D_Point &p : m_points) {
        p.x = Truncate(static_cast<long double>(p.x) * sx);
        p.y = Truncate(static_cast<long double>(p.y) * sy);
    }
}

void L_2D_Object::Translate(int dx, int dy) {
    for (L_2D_Point &p : m_points) {
        p.x += dx;
        p.y += dy;
    }
}

void L_2D_Object::Rotate(double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    for (L_2D_Point &p : m_points) {
        const double x = p.x, y = p.y;
        p.x = static_cast<int>(x * c - y * s);
        p.y = static_cast<int>(x * s + y * c);
    }
}

bool L_2D_Object::CopyFrom(const L_2D_Object &other, Ui &ui) {
    const int count = other.Count();
    if (count > Capacity() || count > other.Capacity()) {
        ui.MessageBox("****DEBORDEMENT");
        return false;
    }
    std::copy_n(other.m_points.begin(), count, m_points.begin());
    m_count = count;
    m_fill = other.m_fill;
    return true;
}

bool L_2D_Object::Line(int x0, int y0, int x1, int y1, Ui &ui) {
    if (Capacity() < 2) {
        ui.MessageBox("***DEBORDEMENT L_PolyLine");
        return false;
    }
    m_points[0] = {x0, y0};
    m_points[1] = {x1, y1};
    return true;
}

bool L_2D_Object::Rectangle(int x0, int x1, int y0, int y1) {
    if (Capacity() < 5)
        return false;
    m_points[0] = {x0, y1};
    m_points[1] = {x1, y1};
    m_points[2] = {x1, y0};
    m_points[3] = {x0, y0};
    m_points[4] = {x0, y1};
    return true;
}

void L_2D_Object::ArcByAngles(double r, double b, double c) {
    const int count = Capacity();
    for (int i = 0; i < count; ++i) {
        const double phi = count > 1 ? b + i * (c - b) / (count - 1) : b;
        m_points[static_cast<size_t>(i)] = {static_cast<int>(r * std::cos(phi)),
                                            static_cast<int>(r * std::sin(phi))};
    }
}

bool L_2D_Object::CreatePoinsRepartis(int n, int x0, int y0, int x1, int y1, Ui &ui) {
    if (n < 0 || n > Capacity()) {
        ui.MessageBox("****Débordement CreatePoinsRepartis");
        return false;
    }
    for (int i = 1; i <= n; ++i)
        m_points[static_cast<size_t>(i - 1)] = {x0 + i * (x1 - x0) / (n + 1),
                                                y0 + i * (y1 - y0) / (n + 1)};
    return true;
}

bool L_2D_Object::Contains(int x, int y) const {
    bool negative = true, positive = true;
    for (int i = 0; i + 1 < m_count && i + 1 < Capacity(); ++i) {
        const L_2D_Point p = m_points[static_cast<size_t>(i)],
                         q = m_points[static_cast<size_t>(i) + 1];
        const long long side = static_cast<long long>(x - p.x) * (q.y - p.y) -
                               static_cast<long long>(y - p.y) * (q.x - p.x);
        negative = negative && side < 0;
        positive = positive && side > 0;
    }
    return m_count > 1 && (negative || positive);
}

void L_2D_Object::WriteDxf(DxfWriter &dxf) const {
    const int count = std::min(m_count, Capacity());
    if (m_kind == kPointSet) {
        for (int i = 0; i < count; ++i) {
            const L_2D_Point p = m_points[static_cast<size_t>(i)];
            dxf.Circle(p.x, p.y, 10);
            dxf.Cross(p.x, p.y);
        }
        return;
    }
    for (int i = 0; i + 1 < count; ++i) {
        const L_2D_Point p = m_points[static_cast<size_t>(i)],
                         q = m_points[static_cast<size_t>(i) + 1];
        dxf.Line(p.x, p.y, q.x, q.y);
    }
}

void L_2D_Object::Draw(Drawing2D &drawing, int dx, int dy, int index) const {
    const int count = std::min(m_count, Capacity());
    if (count <= 0)
        return;
    if (m_kind == kPointSet) {
        for (int i = 0; i < count; ++i) {
            const L_2D_Point p = m_points[static_cast<size_t>(i)];
            drawing.DrawCircle(p.x + dx, p.y + dy, 5);
            drawing.MoveTo(p.x + dx - 5, p.y + dy);
            drawing.LineTo(p.x + dx + 5, p.y + dy);
            drawing.MoveTo(p.x + dx, p.y + dy - 5);
            drawing.LineTo(p.x + dx, p.y + dy + 5);
        }
    } else {
        drawing.MoveTo(m_points[0].x + dx, m_points[0].y + dy);
        for (int i = 1; i < count; ++i)
            drawing.LineTo(m_points[static_cast<size_t>(i)].x + dx,
                           m_points[static_cast<size_t>(i)].y + dy);
    }
    drawing.DrawText(m_points[0].x + dx, m_points[0].y + dy, std::to_string(index));
}

void L_2D_ObjectList::RemoveAt(int i) {
    if (i >= 0 && i < Count())
        m_objects.erase(m_objects.begin() + i);
}

void L_2D_ObjectList::WriteDxf(DxfWriter &dxf) const {
    for (const L_2D_ObjectPtr &object : m_objects)
        object->WriteDxf(dxf);
}

void L_2D_ObjectList::Draw(Drawing2D &drawing, int dx, int dy) const {
    for (int i = 0; i < Count(); ++i)
        m_objects[static_cast<size_t>(i)]->Draw(drawing, dx, dy, i);
}

bool L_2D_Object_Add(L_2D_ObjectList &list, L_2D_ObjectPtr object, Ui &ui) {
    if (!object)
        return false;
    if (list.Count() >= list.Capacity()) {
        ui.MessageBox("****ERREUR L_2D_Object_Add");
        return false;
    }
    list.m_objects.push_back(std::move(object));
    return true;
}

} // namespace ventrel
