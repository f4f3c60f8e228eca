// The placement matrix, composed in the order of the display list's matrix operations.
#include "render/Placement.h"

#include "render/CObject3D.h"

#include <cmath>

namespace ventrel {

Placement Placement::Of(const CObject3D &o) {
    Placement placement;
    placement.ApplyListOperations(o);
    placement.DeriveNormalMatrix();
    return placement;
}

Placement Placement::InScene(const CObject3D &o) {
    Placement placement;
    if (o.m_ownTransform) {
        placement.Rotate(o.m_orientation.x, {1, 0, 0});
        placement.Rotate(o.m_orientation.y, {0, 1, 0});
        placement.Rotate(o.m_orientation.z, {0, 0, 1});
        placement.Translate(o.m_position);
    }
    if (o.m_hasMatrix) {
        double m[16];
        for (int i = 0; i < 16; ++i)
            m[i] = o.m_matrix[i];
        placement.MultiplyBy(m);
    }
    placement.ApplyListOperations(o);
    placement.DeriveNormalMatrix();
    return placement;
}

void Placement::ApplyListOperations(const CObject3D &o) {
    Translate(o.translation);
    Rotate(o.angle, o.rotation);
    Rotate(-o.m_scaleAngle, o.m_scaleAxis);
    Scale(o.echelle);
    Rotate(o.m_scaleAngle, o.m_scaleAxis);
}

Vec3 Placement::Point(Vec3 p) const {
    const double *m = m_matrix;
    return {static_cast<float>(m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12]),
            static_cast<float>(m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13]),
            static_cast<float>(m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14])};
}

Vec3 Placement::Normal(Vec3 n) const {
    const double *r = m_normal;
    return {static_cast<float>(r[0] * n.x + r[1] * n.y + r[2] * n.z),
            static_cast<float>(r[3] * n.x + r[4] * n.y + r[5] * n.z),
            static_cast<float>(r[6] * n.x + r[7] * n.y + r[8] * n.z)};
}

void Placement::Translate(Vec3 t) {
    const double m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, t.x, t.y, t.z, 1};
    MultiplyBy(m);
}

void Placement::Rotate(double degrees, Vec3 axis) {
    const double length =
        std::sqrt(double(axis.x) * axis.x + double(axis.y) * axis.y + double(axis.z) * axis.z);
    if (degrees == 0.0 || length <= 1.0e-4)
        return;
    const double x = axis.x / length, y = axis.y / length, z = axis.z / length;
    const double radians = degrees * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians), s = std::sin(radians), k = 1.0 - c;
    const double m[16] = {x * x * k + c,
                          y * x * k + z * s,
                          x * z * k - y * s,
                          0,
                          x * y * k - z * s,
                          y * y * k + c,
                          y * z * k + x * s,
                          0,
                          x * z * k + y * s,
                          y * z * k - x * s,
                          z * z * k + c,
                          0,
                          0,
                          0,
                          0,
                          1};
    MultiplyBy(m);
}

void Placement::Scale(Vec3 s) {
    const double m[16] = {s.x, 0, 0, 0, 0, s.y, 0, 0, 0, 0, s.z, 0, 0, 0, 0, 1};
    MultiplyBy(m);
}

// this = this x other, both column-major: each OpenGL operation multiplies on the right.
void Placement::MultiplyBy(const double other[16]) {
    double result[16];
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            double sum = 0;
            for (int i = 0; i < 4; ++i)
                sum += m_matrix[i * 4 + row] * other[column * 4 + i];
            result[column * 4 + row] = sum;
        }
    for (int i = 0; i < 16; ++i)
        m_matrix[i] = result[i];
}

// The inverse transpose of the upper 3 x 3 is its cofactor matrix over the determinant. A flat
// scaling (determinant 0) keeps the cofactors: the normals keep a direction instead of becoming
// infinite.
void Placement::DeriveNormalMatrix() {
    auto a = [this](int row, int column) { return m_matrix[column * 4 + row]; };
    double cofactor[9];
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const int r0 = (row + 1) % 3, r1 = (row + 2) % 3;
            const int c0 = (column + 1) % 3, c1 = (column + 2) % 3;
            cofactor[row * 3 + column] = a(r0, c0) * a(r1, c1) - a(r0, c1) * a(r1, c0);
        }
    const double determinant =
        a(0, 0) * cofactor[0] + a(0, 1) * cofactor[1] + a(0, 2) * cofactor[2];
    m_determinant = determinant;
    const double scale = std::fabs(determinant) > 1e-300 ? 1.0 / determinant : 1.0;
    for (int i = 0; i < 9; ++i)
        m_normal[i] = cofactor[i] * scale;
}

} // namespace ventrel
