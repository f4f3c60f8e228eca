// The view's file commands in a session whose locale writes numbers with a decimal comma.
#include "CommaLocale.h"
#include "ViewFixture.h"

#include "chest/CWindchest.h"

namespace ventrel::test {
namespace {

TEST_F(ViewTest, ACommaLocaleSessionReadsTheTurretOutlinesOfAChest) {
    Example("tourelle.dat");
    Example("tourelle-profil.poly");
    Example("tourelle-forme.poly");
    L_2D_Drawing profile;
    ASSERT_TRUE(profile.L_2D_savepoints(m_folder / "tourelle-profil.poly", PolyFile::Input, m_ui));
    ScopedCommaLocale comma;
    if (!comma.Active())
        GTEST_SKIP() << comma.Why();

    ASSERT_TRUE(RunWithFile(kOpenChest, "tourelle.dat"));
    const CWindchest &chest = *m_view->g_currentChest;
    const CLoft *turret = nullptr;
    for (int s = 0; s < chest.StopCount() && !turret; ++s)
        turret = chest.Stop(s).TurretOrNull(0);
    ASSERT_NE(turret, nullptr);
    EXPECT_EQ(turret->m_couple.m_points, profile.m_points) << "the turret keeps its shape";
    EXPECT_GT(turret->m_forme.PointCount(), 2);
    EXPECT_NE(turret->m_forme.Point(1), (Vec2{0, 0}));
}

} // namespace
} // namespace ventrel::test
