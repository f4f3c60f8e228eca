// Evaluating a bicubic Hermite patch as a product of matrices.
#include "math/BicubicPatch.h"

#include <climits>
#include <cmath>

namespace ventrel {

namespace {

constexpr double kHermite[4][4] = {{2, -2, 1, 1}, {-3, 3, -2, -1}, {0, 0, 1, 0}, {1, 0, 0, 0}};

// Towards zero; NaN gives 0 and what lies beyond the range of int its nearest end.
int Truncate(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace

BicubicPatch::BicubicPatch() : m_basis(4, 4) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            m_basis.Set(i, j, kHermite[i][j]);
    m_basisTransposed.Assign(m_basis);
    m_basisTransposed.Transpose();
}

int BicubicPatch::Point(const CMatrix &geometry, double u, double v) const {
    if (geometry.Rows() != 4 || geometry.Cols() != 4)
        return 0;
    CMatrix row(1, 4), column(4, 1);
    const double vs[4] = {v * v * v, v * v, v, 1};
    const double us[4] = {u * u * u, u * u, u, 1};
    for (int i = 0; i < 4; ++i) {
        row.Set(0, i, vs[i]);
        column.Set(i, 0, us[i]);
    }
    CMatrix product;
    product.Multiply(row, m_basis);
    product.Multiply(product, geometry);
    product.Multiply(product, m_basisTransposed);
    product.Multiply(product, column);
    return Truncate(product.Get(0, 0));
}

} // namespace ventrel
