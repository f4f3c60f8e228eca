// The workshop commands of the view: framing the organ, the CAM drawings, the report, the checker.
#include "ViewFixture.h"

#include "fabrication/PlateExport.h"
#include "platform/RecordingCanvas.h"
#include "render/Scene.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace ventrel {
namespace {

using test::ViewTest;

// Two stops of two 20 mm pipes on a line, the second 15 mm below the first: bodies, holes and
// valves of pipes of both stops too close.
std::string CrowdedStop(const char *name, int y0) {
    return std::string("JEU ") + name + "\nNTUYAUX 2\nTUYAU1 1\nINCX 3\nFORME:ROND\nXY0 100 " +
           std::to_string(y0) +
           "\n/ diametres\n20 20\n/ trous de la plaque\n20 20\n/ trous du faux sommier\n20 20\n"
           "HAUTEURS\n1000 1000\n";
}
const std::string kCrowded = CrowdedStop("Bourdon8", 100) + CrowdedStop("Flute4", 115);

size_t MarkCount(const RecordingCanvas &canvas) {
    return canvas.OfKind(CanvasOp::Kind::Ellipse, Rgb{255, 0, 255}).size();
}

TEST_F(ViewTest, FitOrganFramesTheWholeSceneFromTheCurrentDirection) {
    const Vec3 start = m_view->g_scene->m_translation;
    ASSERT_TRUE(RunCommand(*m_view, kFitOrgan));
    EXPECT_EQ(m_ui.LastStatus(), "Fit Organ: the 3D scene is empty");
    EXPECT_EQ(m_view->g_scene->m_translation, start);

    ExampleOrgan();
    ASSERT_TRUE(m_view->OpenDocument(m_folder / "orgue.org"));
    Scene &scene = *m_view->g_scene;
    scene.m_display3D = false;
    // A wide view, not yet shown in 3D: its shape comes from the window.
    m_view->OnSize(1600, 400);
    ASSERT_TRUE(RunCommand(*m_view, kFitOrgan));
    EXPECT_TRUE(scene.m_display3D);
    EXPECT_EQ(scene.m_rotation, (Vec3{0, 0, 0}));
    // From the front the camera only moves: every corner of the organ is inside the 45 degree
    // frustum of a 4:1 view, and the organ reaches its top or bottom edge.
    const double tanV = std::tan(22.5 * 3.14159265358979 / 180), tanH = 4 * tanV;
    double fullest = 0;
    for (int corner = 0; corner < 8; ++corner) {
        const double x = (corner & 1 ? scene.m_max.x : scene.m_min.x) + scene.m_translation.x;
        const double y = (corner & 2 ? scene.m_max.y : scene.m_min.y) + scene.m_translation.y;
        const double z = (corner & 4 ? scene.m_max.z : scene.m_min.z) + scene.m_translation.z;
        ASSERT_LT(z, 0);
        const double share = std::max(std::abs(x) / -z / tanH, std::abs(y) / -z / tanV);
        EXPECT_LE(share, 1.0) << corner;
        fullest = std::max(fullest, share);
    }
    EXPECT_GT(fullest, 0.9);

    // From the left the direction is kept and the distance follows the organ's depth.
    const Vec3 front = scene.m_translation;
    ASSERT_TRUE(RunCommand(*m_view, kViewLeft));
    ASSERT_TRUE(RunCommand(*m_view, kFitOrgan));
    EXPECT_EQ(scene.m_rotation, (Vec3{0, 90, 0}));
    EXPECT_NE(scene.m_translation, front);
    // "Reset View 3D" still goes to its own camera.
    ASSERT_TRUE(RunCommand(*m_view, kResetView3D));
    EXPECT_EQ(scene.m_translation, (Vec3{0, 0, -1000}));
}

TEST_F(ViewTest, ExportDxfForCamSwitchesTheExportAndTellsTheWindow) {
    Example("recit.dat");
    ASSERT_TRUE(RunWithFile(kOpenChest, "recit.dat"));
    EXPECT_FALSE(IsChecked(*m_view, kExportDxfForCam));
    ASSERT_TRUE(RunCommand(*m_view, kExportDxfForCam));
    EXPECT_TRUE(IsChecked(*m_view, kExportDxfForCam));
    m_folder.Write("recit_commande.wri", "older");
    ASSERT_TRUE(RunCommand(*m_view, kExportDxf));
    // Complete DXF with units and a layer per drill, and the cut list naming the files.
    const std::string cam = m_folder.Read("recit_som.dxf");
    EXPECT_NE(cam.find("$INSUNITS"), std::string::npos);
    EXPECT_NE(cam.find("DRILL_"), std::string::npos);
    EXPECT_NE(m_folder.Read("recit_commande.wri"), "older");
    // The drawings and the cut list are one set: when the cut list cannot be written, the
    // drawings already there stay as they were.
    m_folder.Write("recit_som.dxf", "older");
    std::filesystem::remove(m_folder / "recit_commande.wri");
    std::filesystem::create_directory(m_folder / "recit_commande.wri");
    ASSERT_TRUE(RunCommand(*m_view, kExportDxf));
    EXPECT_EQ(m_folder.Read("recit_som.dxf"), "older");
    EXPECT_NE(MessageTexts().back().find("none is replaced"), std::string::npos);
    std::filesystem::remove(m_folder / "recit_commande.wri");
    // Unchecked, the plain drawings again, byte for byte.
    ASSERT_TRUE(RunCommand(*m_view, kExportDxfForCam));
    ASSERT_TRUE(RunCommand(*m_view, kExportDxf));
    EXPECT_EQ(m_folder.Read("recit_som.dxf"), PlateDxfTexts(*m_view->g_currentChest)[0]);
    EXPECT_EQ(m_host.m_forCamChanges, (std::vector<bool>{true, false}));
}

TEST_F(ViewTest, CheckChestListsTheFindingsAndMarksTheirPipes) {
    ASSERT_TRUE(RunCommand(*m_view, kCheckChest));
    EXPECT_EQ(MessageTexts().back(),
              "Open a chest file (.dat) first: the checker reads the current chest's file");
    EXPECT_EQ(m_host.m_findingShows, 0);

    m_folder.Write("crowded.dat", kCrowded);
    ASSERT_TRUE(RunWithFile(kOpenChest, "crowded.dat"));
    ASSERT_TRUE(RunCommand(*m_view, kCheckChest));
    ASSERT_FALSE(m_host.m_findingLines.empty());
    EXPECT_EQ(m_host.m_findingsChest, "crowded.dat");
    EXPECT_EQ(m_host.m_findingLines.size(), m_view->m_findings.size());
    // Rows in the compilers' form, naming the file as it was opened.
    EXPECT_EQ(m_host.m_findingLines[0].rfind("crowded.dat:", 0), 0u) << m_host.m_findingLines[0];
    EXPECT_NE(m_ui.LastStatus().find("error"), std::string::npos) << m_ui.LastStatus();

    // A finding about a pipe of each stop: both selected and marked, the 2D drawing shown.
    const auto it =
        std::find_if(m_view->m_findings.begin(), m_view->m_findings.end(), [](const Finding &f) {
            return f.pipes.size() == 2 && f.pipes[0].stop != f.pipes[1].stop;
        });
    ASSERT_NE(it, m_view->m_findings.end());
    const int index = static_cast<int>(it - m_view->m_findings.begin());
    m_view->g_scene->m_display3D = true;
    m_view->SelectFinding(index);
    EXPECT_FALSE(m_view->g_scene->m_display3D);
    EXPECT_EQ(m_view->m_markedPipes, it->pipes);
    const CWindchest &chest = *m_view->g_currentChest;
    EXPECT_EQ(chest.m_selected_stop, it->pipes[0].stop);
    for (const PipeRef &pipe : it->pipes)
        EXPECT_EQ(chest.Stop(pipe.stop).m_selected_pipe, pipe.pipe);
    EXPECT_EQ(m_ui.LastStatus(), m_host.m_findingLines[size_t(index)]);
    RecordingCanvas canvas;
    m_view->Paint2D(canvas);
    EXPECT_EQ(MarkCount(canvas), 2u);
    m_view->SelectFinding(-1); // out of the list: nothing changes
    m_view->SelectFinding(static_cast<int>(m_view->m_findings.size()));
    EXPECT_EQ(m_view->m_markedPipes, it->pipes);

    // Checking again refreshes the list; the file mended on disk gives no finding.
    m_folder.Write("crowded.dat", CrowdedStop("Bourdon8", 100) + CrowdedStop("Flute4", 200));
    ASSERT_TRUE(RunCommand(*m_view, kCheckChest));
    EXPECT_EQ(m_host.m_findingShows, 2);
    EXPECT_TRUE(m_host.m_findingLines.empty());
    EXPECT_EQ(m_ui.LastStatus(), "Check Chest: crowded.dat, no finding");
    EXPECT_TRUE(m_view->m_markedPipes.empty());

    // Another chest read into the same record: the findings and marks are gone.
    m_folder.Write("crowded.dat", kCrowded);
    ASSERT_TRUE(RunCommand(*m_view, kCheckChest));
    m_view->SelectFinding(index);
    Example("recit.dat");
    ASSERT_TRUE(RunWithFile(kOpenChest, "recit.dat"));
    EXPECT_TRUE(m_host.m_findingLines.empty());
    EXPECT_FALSE(m_view->m_findingsChest);
    m_view->SelectFinding(index);
    RecordingCanvas after;
    m_view->Paint2D(after);
    EXPECT_EQ(MarkCount(after), 0u);
}

TEST_F(ViewTest, CheckChestOfAnOrgansChestReadsItFromTheOrgansFolder) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(kOpenOrgan, "orgue.org"));
    ASSERT_TRUE(RunCommand(*m_view, kCheckChest));
    EXPECT_EQ(m_host.m_findingsChest, "grand-orgue.dat");
    EXPECT_EQ(m_ui.LastStatus(), "Check Chest: grand-orgue.dat, no finding");
    // A chest file gone since it was opened: the reader's message, no list.
    std::filesystem::remove(m_folder / "grand-orgue.dat");
    const int shows = m_host.m_findingShows;
    ASSERT_TRUE(RunCommand(*m_view, kCheckChest));
    EXPECT_EQ(m_host.m_findingShows, shows);
    EXPECT_NE(MessageTexts().back().find("grand-orgue.dat"), std::string::npos);
}

TEST_F(ViewTest, ExportWorkshopReportWritesTheCurrentChestsReport) {
    ASSERT_TRUE(RunCommand(*m_view, kExportWorkshopReport));
    EXPECT_EQ(MessageTexts().back(), "Open a chest file (.dat) first: the report is made from the "
                                     "current chest's file");
    EXPECT_TRUE(m_host.m_pdfPages.empty());

    m_folder.Write("crowded.dat", kCrowded);
    ASSERT_TRUE(RunWithFile(kOpenChest, "crowded.dat"));
    const std::string fileName = m_view->g_fileName;
    ASSERT_TRUE(RunCancelled(kExportWorkshopReport));
    EXPECT_TRUE(m_host.m_pdfPages.empty());
    // A name without its extension gets ".pdf".
    ASSERT_TRUE(RunWithFile(kExportWorkshopReport, "atelier"));
    EXPECT_EQ(m_ui.FileDialogTitles().back(), "Export Workshop Report");
    EXPECT_EQ(m_host.m_pdfPath, m_folder / "atelier.pdf");
    EXPECT_EQ(m_host.m_pdfTitle, "Workshop report: crowded.dat");
    EXPECT_EQ(m_host.m_pdfSize, (std::pair<int, int>{420, 297}));
    ASSERT_FALSE(m_host.m_pdfPages.empty());
    // The findings are in it, and the chest's file name.
    bool findings = false, file = false;
    for (const RecordingCanvas &page : m_host.m_pdfPages)
        for (const CanvasOp &op : page.OfKind(CanvasOp::Kind::Text)) {
            findings = findings || op.text.find("body-overlap") != std::string::npos ||
                       op.text.find("hole-web") != std::string::npos;
            file = file || op.text.find("crowded.dat") != std::string::npos;
        }
    EXPECT_TRUE(findings);
    EXPECT_TRUE(file);
    EXPECT_EQ(m_ui.LastStatus(), "Workshop report written: " + (m_folder / "atelier.pdf").string());
    // The document's own file name is not taken over by the report's.
    EXPECT_EQ(m_view->g_fileName, fileName);

    m_host.m_pdfError = "No space left on device";
    ASSERT_TRUE(RunWithFile(kExportWorkshopReport, "plein.pdf"));
    EXPECT_EQ(MessageTexts().back(),
              "Cannot write " + (m_folder / "plein.pdf").string() + ": No space left on device");
}

} // namespace
} // namespace ventrel
