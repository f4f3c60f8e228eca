// Integer 2D outlines (polylines and drilling-mark sets) and the lists that gather them.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace ventrel {

class Ui;
class DxfWriter;
class Drawing2D;

struct L_2D_Point {
    int x = 0, y = 0;
    friend bool operator==(const L_2D_Point &, const L_2D_Point &) = default;
};

// One outline of integer points. Every operation truncates its results toward zero. Operations
// that would write beyond the capacity show their message and write nothing beyond it.
class L_2D_Object {
public:
    enum Kind { kPointSet = 6, kPolyline = 7 };

    // `count` zeroed points; the count is also the capacity.
    L_2D_Object(int count, int kind);

    int Kind() const { return m_kind; }
    int Count() const { return m_count; }
    int Capacity() const { return static_cast<int>(m_points.size()); }
    // Points already produced by the generators that append.
    int Filled() const { return m_fill; }
    const std::vector<L_2D_Point> &Points() const { return m_points; }
    L_2D_Point Point(int i) const;
    L_2D_Point First() const { return Point(0); }
    L_2D_Point Last() const { return Point(m_count - 1); }

    // Sets point i (an index outside the capacity is ignored).
    void SetPoint(int i, L_2D_Point point);
    // A square wave of 4n + 2 points appended from the fill index: for t = 0 ... n - 1 with
    // c = 2bt, (0, c) (0, c + b) (a, c + b) (a, c + 2b); then (0, 2bn) (0, 2bn + b).
    bool NotchedProfile(int a, int b, int n, Ui &ui);
    // Each point multiplied componentwise; products are formed in extended precision.
    void Scale(double sx, double sy);
    void Translate(int dx, int dy);
    // Rotation by `angle` radians about the origin.
    void Rotate(double angle);
    // The points of another outline (of the same count).
    bool CopyFrom(const L_2D_Object &other, Ui &ui);
    // The two points of a 2-point outline.
    bool Line(int x0, int y0, int x1, int y1, Ui &ui);
    // Five points (x0, y1) (x1, y1) (x1, y0) (x0, y0) (x0, y1).
    bool Rectangle(int x0, int x1, int y0, int y1);
    // Point i = (r cos f, r sin f) with f = b + i (c - b) / (count - 1), angles in radians.
    void ArcByAngles(double r, double b, double c);
    // n points evenly spaced strictly between the two ends.
    bool CreatePoinsRepartis(int n, int x0, int y0, int x1, int y1, Ui &ui);
    // Whether (x, y) lies strictly inside the outline: on the same side of every edge.
    bool Contains(int x, int y) const;

    // LINE entities between consecutive points (polyline), or per point a CIRCLE of radius 10
    // and a cross (point set).
    void WriteDxf(DxfWriter &dxf) const;
    // Draws the outline moved by (dx, dy) model units; its index is written at its first point.
    void Draw(Drawing2D &drawing, int dx, int dy, int index) const;

    std::string m_name;

private:
    int m_kind;
    int m_count;
    int m_fill = 0;
    std::vector<L_2D_Point> m_points;
};

using L_2D_ObjectPtr = std::shared_ptr<L_2D_Object>;

// A list of outlines of fixed capacity; an outline may belong to several lists.
class L_2D_ObjectList {
public:
    explicit L_2D_ObjectList(int capacity) : m_capacity(capacity) {}

    int Capacity() const { return m_capacity; }
    int Count() const { return static_cast<int>(m_objects.size()); }
    const L_2D_ObjectPtr &operator[](int i) const { return m_objects.at(static_cast<size_t>(i)); }
    const std::vector<L_2D_ObjectPtr> &Objects() const { return m_objects; }
    // Removes the outline at index i (the later ones move up).
    void RemoveAt(int i);
    void Clear() { m_objects.clear(); }

    // Every outline in order, into a writer that is open.
    void WriteDxf(DxfWriter &dxf) const;
    void Draw(Drawing2D &drawing, int dx, int dy) const;

private:
    friend bool L_2D_Object_Add(L_2D_ObjectList &list, L_2D_ObjectPtr object, Ui &ui);
    int m_capacity;
    std::vector<L_2D_ObjectPtr> m_objects;
};

// Appends an outline; when the list is full shows "****ERREUR L_2D_Object_Add" and returns false.
bool L_2D_Object_Add(L_2D_ObjectList &list, L_2D_ObjectPtr object, Ui &ui);

} // namespace ventrel
