// An object's own placement (translation, turn about an axis, scaling along a turned axis) as one
// matrix, with what it does to points and to normals.
#pragma once

#include "math/Vec.h"

namespace ventrel {

class CObject3D;

class Placement {
public:
    // The matrix the object's display list builds with glTranslate, glRotate and glScale.
    static Placement Of(const CObject3D &object);
    // The same preceded by what the scene adds around the list when it draws the object: its own
    // turn and position, then its matrix (where it has them); this is where the object stands in
    // the scene.
    static Placement InScene(const CObject3D &object);

    Vec3 Point(Vec3 p) const;
    // As OpenGL carries normals: by the inverse transpose, without normalising.
    Vec3 Normal(Vec3 n) const;
    // Column-major, as OpenGL stores a matrix.
    const double *Matrix() const { return m_matrix; }
    // True when the placement turns the object inside out (a negative determinant): a face's
    // corners then go round the other way.
    bool Mirrors() const { return m_determinant < 0; }

private:
    void Translate(Vec3 t);
    // Does nothing for a zero angle or an axis of (almost) no length, as OpenGL does.
    void Rotate(double degrees, Vec3 axis);
    void Scale(Vec3 s);
    void MultiplyBy(const double other[16]);
    void DeriveNormalMatrix();
    void ApplyListOperations(const CObject3D &object);

    double m_matrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    double m_normal[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1}; // row-major
    double m_determinant = 1;
};

} // namespace ventrel
