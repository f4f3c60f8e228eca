// A point of a bicubic (Hermite) surface patch, one coordinate at a time.
#pragma once

#include "math/CMatrix.h"

namespace ventrel {

// Holds the Hermite basis H and its transpose, made once for every point evaluated with them.
class BicubicPatch {
public:
    BicubicPatch();

    // The single element of V x H x G x Ht x U with V = [v^3, v^2, v, 1] and
    // U = [u^3, u^2, u, 1]t, truncated towards zero. `geometry` is the 4x4 matrix of one
    // coordinate: corner values (rows and columns 0, 1) and their tangents (2, 3). A geometry of
    // another shape gives 0; a value beyond the range of int gives the nearest int, not a number 0.
    int Point(const CMatrix &geometry, double u, double v) const;

private:
    CMatrix m_basis;
    CMatrix m_basisTransposed;
};

} // namespace ventrel
