// The scale commands of the view: a stop appended from its scale, the chart, a stop selected.
#include "ViewFixture.h"

#include "dialogs/ScaleDialog.h"
#include "render/Scene.h"

namespace ventrel {
namespace {

using test::ViewTest;

TEST_F(ViewTest, StopFromScaleCancelledChangesNothing) {
    Example("recit.dat");
    ASSERT_TRUE(RunWithFile(57601, "recit.dat"));
    const CWindchest &chest = *m_view->g_currentChest;
    const int stops = chest.m_stop_count;
    const CRectangle plate = chest.m_plate;
    m_host.m_scale = [](ScaleDialog &dialog) {
        dialog.SetField(ScaleDialog::kName, "Flute4");
        return false;
    };
    ASSERT_TRUE(RunCommand(*m_view, 32850));
    EXPECT_EQ(chest.m_stop_count, stops);
    EXPECT_EQ(chest.m_plate.y2, plate.y2);
}

TEST_F(ViewTest, StopFromScaleAppendsLaysOutAndKeepsThe2DDisplay) {
    Example("recit.dat");
    ASSERT_TRUE(RunWithFile(57601, "recit.dat"));
    const CWindchest &chest = *m_view->g_currentChest;
    const int stops = chest.m_stop_count;
    const int plateDepth = chest.m_plate.y2;
    const int objects = m_view->g_scene->m_nbobject;
    m_host.m_scale = [](ScaleDialog &dialog) {
        dialog.SetField(ScaleDialog::kName, "Flute4");
        dialog.SetField(ScaleDialog::kFootage, "4");
        dialog.SetField(ScaleDialog::kDeviation, "3,0@49");
        return dialog.Ok();
    };
    ASSERT_TRUE(RunCommand(*m_view, 32850));
    ASSERT_EQ(chest.m_stop_count, stops + 1);
    const CStop &flute = chest.Stop(stops);
    EXPECT_EQ(flute.m_name, "Flute4");
    // Laid out below the others: the plate grew to hold it, its pipes have places and valves.
    EXPECT_GT(chest.m_plate.y2, plateDepth);
    EXPECT_GT(flute.m_y0, plateDepth - 60);
    EXPECT_GT(flute.X(55), flute.X(0));
    EXPECT_GT(flute.m_valve[0], 0);
    EXPECT_GT(m_view->g_scene->m_nbobject, objects);
    EXPECT_FALSE(m_view->g_scene->m_display3D);
    EXPECT_EQ(m_ui.LastStatus(), "Stop Flute4 added: 56 pipes");
}

TEST_F(ViewTest, ScaleChartShowsTheStopsAndSelectsOne) {
    m_view->ShowScaleChart();
    EXPECT_EQ(MessageTexts().back(),
              "Open a chest first: the chart shows the stops of the current chest");
    Example("pedale.dat");
    ASSERT_TRUE(RunWithFile(57601, "pedale.dat"));
    ASSERT_TRUE(RunCommand(*m_view, 32851));
    ASSERT_EQ(m_host.m_chartLines.size(), 2u);
    EXPECT_EQ(m_host.m_chartLines[0].name, "Soubasse16 16'");
    EXPECT_EQ(m_host.m_chartChest, "pedale.dat");
    m_view->SelectStop(1);
    EXPECT_EQ(m_view->g_currentChest->m_selected_stop, 1);
    EXPECT_EQ(m_view->g_currentChest->Stop(1).m_selected_pipe, CStop::kWholeStop);
    m_view->SelectStop(0);
    EXPECT_EQ(m_view->g_currentChest->Stop(1).m_selected_pipe, -1);
    m_view->SelectStop(7); // no such stop: nothing happens
    EXPECT_EQ(m_view->g_currentChest->m_selected_stop, 0);
}

} // namespace
} // namespace ventrel
