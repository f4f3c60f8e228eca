// The axis-exchange matrices, built once and never changed.
#include "organ3d/AxisMatrices.h"

namespace ventrel {

namespace {

// The permutation matrix whose row r has its 1 in column column[r].
CMatrix Permutation(int c0, int c1, int c2) {
    CMatrix m(3, 3);
    m.Set(0, c0, 1);
    m.Set(1, c1, 1);
    m.Set(2, c2, 1);
    return m;
}

} // namespace

const CMatrix &L_SwapYZ() {
    static const CMatrix m = Permutation(0, 2, 1);
    return m;
}

const CMatrix &L_SwapXZ() {
    static const CMatrix m = Permutation(2, 1, 0);
    return m;
}

const CMatrix &L_SwapXY() {
    static const CMatrix m = Permutation(1, 0, 2);
    return m;
}

} // namespace ventrel
