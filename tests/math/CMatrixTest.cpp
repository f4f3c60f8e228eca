// The dense matrix: shapes, copies, transposition and products.
#include "math/CMatrix.h"

#include <gtest/gtest.h>

using ventrel::CMatrix;

namespace {

CMatrix FromRows(std::initializer_list<std::initializer_list<double>> values) {
    CMatrix result(static_cast<int>(values.size()), static_cast<int>(values.begin()->size()));
    int i = 0;
    for (const auto &row : values) {
        int j = 0;
        for (double v : row)
            result.Set(i, j++, v);
        ++i;
    }
    return result;
}

TEST(CMatrix, ResizeGivesZerosOfTheNewShape) {
    CMatrix m = FromRows({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 1, 2, 3}, {4, 5, 6, 7}});
    m.Resize(2, 3);
    ASSERT_EQ(m.Rows(), 2);
    ASSERT_EQ(m.Cols(), 3);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(m.Get(i, j), 0.0);
    CMatrix empty;
    EXPECT_EQ(empty.Rows(), 0);
    EXPECT_EQ(empty.Cols(), 0);
}

TEST(CMatrix, AssignCopiesAndSelfAssignKeeps) {
    CMatrix a = FromRows({{1, 2}, {3, 4}, {5, 6}});
    CMatrix b;
    b.Assign(a);
    EXPECT_EQ(b.Rows(), 3);
    EXPECT_EQ(b.Get(2, 1), 6.0);
    b.Set(0, 0, 9);
    EXPECT_EQ(a.Get(0, 0), 1.0) << "a copy owns its own storage";
    a.Assign(a);
    EXPECT_EQ(a.Get(1, 0), 3.0);
    const CMatrix c(a);
    EXPECT_EQ(c.Get(2, 0), 5.0);
}

TEST(CMatrix, TransposeSquare) {
    CMatrix m = FromRows({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    m.Transpose();
    EXPECT_EQ(m.Get(0, 1), 4.0);
    EXPECT_EQ(m.Get(2, 0), 3.0);
    EXPECT_EQ(m.Get(1, 1), 5.0);
}

TEST(CMatrix, MultiplyIdentityAndGeneralProduct) {
    const CMatrix identity = FromRows({{1, 0, 0}, {0, 1, 0}, {0, 0, 1}});
    const CMatrix column = FromRows({{3}, {-4}, {5.5}});
    CMatrix q;
    q.Multiply(identity, column);
    ASSERT_EQ(q.Rows(), 3);
    ASSERT_EQ(q.Cols(), 1);
    EXPECT_EQ(q.Get(0, 0), 3.0);
    EXPECT_EQ(q.Get(1, 0), -4.0);
    EXPECT_EQ(q.Get(2, 0), 5.5);

    const CMatrix a = FromRows({{1, 2, 3}, {4, 5, 6}});
    const CMatrix b = FromRows({{7, 8}, {9, 10}, {11, 12}});
    CMatrix p(5, 5);
    p.Multiply(a, b);
    ASSERT_EQ(p.Rows(), 2);
    ASSERT_EQ(p.Cols(), 2);
    EXPECT_EQ(p.Get(0, 0), 58.0);
    EXPECT_EQ(p.Get(0, 1), 64.0);
    EXPECT_EQ(p.Get(1, 0), 139.0);
    EXPECT_EQ(p.Get(1, 1), 154.0);
}

TEST(CMatrix, MultiplyIntoAnOperandUsesTheOriginalValues) {
    CMatrix a = FromRows({{0, 1}, {1, 0}});
    const CMatrix b = FromRows({{1, 2}, {3, 4}});
    a.Multiply(a, b);
    EXPECT_EQ(a.Get(0, 0), 3.0);
    EXPECT_EQ(a.Get(0, 1), 4.0);
    EXPECT_EQ(a.Get(1, 0), 1.0);
    EXPECT_EQ(a.Get(1, 1), 2.0);
}

} // namespace
