// A small dense matrix of doubles for point transforms and patch evaluation.
#pragma once

#include <cstddef>
#include <vector>

namespace ventrel {

// Row-major storage; an empty matrix has no rows, no columns and no storage. Indexes are the
// caller's responsibility (0..rows-1, 0..cols-1), as are operand shapes in Multiply.
class CMatrix {
public:
    CMatrix() = default;
    CMatrix(int rowCount, int colCount) { Resize(rowCount, colCount); }
    CMatrix(const CMatrix &other) { Assign(other); }
    CMatrix &operator=(const CMatrix &other) {
        Assign(other);
        return *this;
    }
    virtual ~CMatrix() = default;

    // Drops the old storage and makes a rows x cols matrix of zeros.
    void Resize(int rowCount, int colCount);
    double Get(int row, int col) const { return m[static_cast<std::size_t>(row) * cols + col]; }
    void Set(int row, int col, double value) {
        m[static_cast<std::size_t>(row) * cols + col] = value;
    }
    int Rows() const { return rows; }
    int Cols() const { return cols; }

    // Copies the shape and elements of other (nothing when other is this matrix).
    void Assign(const CMatrix &other);
    // Transposes a square matrix in place.
    void Transpose();
    // this = a x b; reshaped to a.rows x b.cols first when its shape differs.
    void Multiply(const CMatrix &a, const CMatrix &b);

private:
    std::vector<double> m;
    int cols = 0;
    int rows = 0;
};

} // namespace ventrel
