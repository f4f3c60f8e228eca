// The dense matrix: resizing, copying, transposing and multiplying.
#include "math/CMatrix.h"

namespace ventrel {

void CMatrix::Resize(int rowCount, int colCount) {
    if (rowCount <= 0 || colCount <= 0) {
        m.clear();
        rows = cols = 0;
        return;
    }
    m.assign(static_cast<std::size_t>(rowCount) * colCount, 0.0);
    rows = rowCount;
    cols = colCount;
}

void CMatrix::Assign(const CMatrix &other) {
    if (&other == this)
        return;
    Resize(other.rows, other.cols);
    m = other.m;
}

void CMatrix::Transpose() {
    for (int i = 0; i < rows && i < cols; ++i)
        for (int j = 0; j < i; ++j) {
            const double v = Get(i, j);
            Set(i, j, Get(j, i));
            Set(j, i, v);
        }
}

void CMatrix::Multiply(const CMatrix &a, const CMatrix &b) {
    // Multiplying into one of the operands would read elements already overwritten.
    if (&a == this || &b == this) {
        const CMatrix left(a), right(b);
        Multiply(left, right);
        return;
    }
    if (rows != a.rows || cols != b.cols)
        Resize(a.rows, b.cols);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) {
            double sum = 0.0;
            for (int k = 0; k < a.cols && k < b.rows; ++k)
                sum += a.Get(i, k) * b.Get(k, j);
            Set(i, j, sum);
        }
}

} // namespace ventrel
