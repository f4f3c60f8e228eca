// The bicubic patch point against the Hermite blending functions written out by hand.
#include "math/BicubicPatch.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

using ventrel::BicubicPatch;
using ventrel::CMatrix;

namespace {

CMatrix Geometry(const double (&values)[4][4]) {
    CMatrix g(4, 4);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            g.Set(i, j, values[i][j]);
    return g;
}

// h00, h01, h10, h11 of t: the weights of the two ends and the two tangents.
void Blend(double t, double (&h)[4]) {
    h[0] = 2 * t * t * t - 3 * t * t + 1;
    h[1] = -2 * t * t * t + 3 * t * t;
    h[2] = t * t * t - 2 * t * t + t;
    h[3] = t * t * t - t * t;
}

double ByHand(const double (&g)[4][4], double u, double v) {
    double hu[4], hv[4];
    Blend(u, hu);
    Blend(v, hv);
    double sum = 0;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            sum += hv[i] * g[i][j] * hu[j];
    return sum;
}

constexpr double kSkew[4][4] = {
    {100, 900, 37, -250}, {-400, 250, 80, 13}, {61, -120, 7, 300}, {-33, 45, 210, -90}};

TEST(BicubicPatch, CornersAreTheGeometrysCornerValues) {
    const BicubicPatch patch;
    const CMatrix g = Geometry(kSkew);
    EXPECT_EQ(patch.Point(g, 0, 0), 100);
    EXPECT_EQ(patch.Point(g, 1, 0), 900) << "u runs along the columns";
    EXPECT_EQ(patch.Point(g, 0, 1), -400) << "v runs along the rows";
    EXPECT_EQ(patch.Point(g, 1, 1), 250);
}

TEST(BicubicPatch, InsideFollowsTheHermiteBlendsAndTruncatesTowardsZero) {
    const BicubicPatch patch;
    const CMatrix g = Geometry(kSkew);
    for (double u : {0.1, 0.25, 0.5, 0.8})
        for (double v : {0.15, 0.5, 0.7, 0.95})
            EXPECT_EQ(patch.Point(g, u, v), static_cast<int>(ByHand(kSkew, u, v)))
                << "u " << u << " v " << v;

    // No tangents: halfway between -3 and 0 is -1.5, which truncates to -1, not -2.
    const double flat[4][4] = {{-3, 0, 0, 0}, {-3, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}};
    EXPECT_EQ(patch.Point(Geometry(flat), 0.5, 0.3), -1);
    const double up[4][4] = {{3, 0, 0, 0}, {3, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}};
    EXPECT_EQ(patch.Point(Geometry(up), 0.5, 0.3), 1);
}

TEST(BicubicPatch, ValuesBeyondAnIntAndWrongShapesAreBounded) {
    const BicubicPatch patch;
    const double huge[4][4] = {{1e12, 0, 0, 0}, {-1e12, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}};
    EXPECT_EQ(patch.Point(Geometry(huge), 0, 0), INT_MAX);
    EXPECT_EQ(patch.Point(Geometry(huge), 0, 1), INT_MIN);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double undefined[4][4] = {{nan, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}};
    EXPECT_EQ(patch.Point(Geometry(undefined), 0, 0), 0);
    EXPECT_EQ(patch.Point(CMatrix(3, 3), 0.5, 0.5), 0);
    EXPECT_EQ(patch.Point(CMatrix(), 0.5, 0.5), 0);
}

} // namespace
