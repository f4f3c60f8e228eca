// The chest and organ commands: open, add, save, concatenate, the reset and the quit sequences.
#include "ViewFixture.h"

#include "chest/OrganFile.h"
#include "platform/RecordingCanvas.h"
#include "render/CObject3D.h"

namespace ventrel::test {
namespace {

const char *kBadShape = "JEU Bad\nNTUYAUX 2\nTUYAU1 1\nINCX 1\nFORME:TRIANGLE\n";

TEST_F(ViewTest, OpenChestReadsLaysOutWritesTheCutListAndShows2D) {
    Example("grand-orgue.dat");
    EXPECT_TRUE(RunCancelled(57601));
    EXPECT_EQ(m_view->g_currentChest, nullptr);

    ASSERT_TRUE(RunWithFile(57601, "grand-orgue.dat"));
    EXPECT_EQ(m_ui.FileDialogTitles().back(), "Load WindChest");
    ASSERT_EQ(m_view->ChestCount(), 1);
    EXPECT_EQ(m_view->g_currentChest, &(*m_view->g_chests)[0]);
    EXPECT_GT(m_view->g_currentChest->StopCount(), 0);
    EXPECT_EQ(m_view->g_currentChest->m_file_name, "grand-orgue.dat");
    EXPECT_EQ(m_view->g_fileName, "grand-orgue.dat");
    EXPECT_EQ(m_host.m_title, (m_folder / "grand-orgue.dat").string());
    EXPECT_TRUE(std::filesystem::exists(m_folder / "grand-orgue_commande.wri"));
    EXPECT_GT(m_view->g_currentChest->m_valve_count, 0);
    EXPECT_GT(m_view->g_scene->m_nbobject, 0);
    EXPECT_FALSE(m_view->g_scene->m_display3D);
    EXPECT_FLOAT_EQ(m_view->g_scene->m_translateStep, 10.0f);
}

TEST_F(ViewTest, AChestThatCannotBeReadLeavesTheOrganAsItWas) {
    Example("grand-orgue.dat");
    m_folder.Write("bad.dat", kBadShape);
    ASSERT_TRUE(RunWithFile(57601, "grand-orgue.dat"));
    const int stops = m_view->g_currentChest->StopCount();
    const Scene *scene = m_view->g_scene.get();

    RunWithFile(57601, "absent.dat");
    ASSERT_FALSE(m_ui.Messages().empty());
    EXPECT_EQ(m_ui.Messages().back().text,
              "FICHIER " + (m_folder / "absent.dat").string() + " ABSENT\n");
    RunWithFile(57601, "bad.dat");
    EXPECT_NE(m_ui.Messages().back().text.find("no pipe shape"), std::string::npos);
    RunWithFile(32806, "bad.dat");

    EXPECT_EQ(m_view->ChestCount(), 1);
    EXPECT_EQ(m_view->g_currentChest->StopCount(), stops);
    EXPECT_EQ(m_view->g_currentChest->m_file_name, "grand-orgue.dat");
    EXPECT_EQ(m_view->g_scene.get(), scene);
}

TEST_F(ViewTest, OpenOrganBuildsEveryChestAndItsBarsInThreeD) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(32795, "orgue.org"));
    EXPECT_EQ(m_ui.FileDialogTitles().back(), "Load Organ");
    ASSERT_EQ(m_view->ChestCount(), 4);
    EXPECT_EQ((*m_view->g_chests)[1].m_file_name, "recit.dat");
    EXPECT_EQ((*m_view->g_chests)[1].m_position[2], 2600);
    EXPECT_EQ(m_view->g_currentChest, &(*m_view->g_chests)[0]);
    EXPECT_TRUE(m_view->g_scene->m_display3D);
    EXPECT_TRUE(m_view->Shows3D());
    EXPECT_FLOAT_EQ(m_view->g_scene->m_translateStep, 30.0f);
    bool bar = false, pipe = false;
    for (int i = 0; i < m_view->g_scene->m_nbobject; ++i)
        if (const CObject3D *object = m_view->g_scene->Object(i)) {
            bar = bar || object->m_name.rfind("BARRE_", 0) == 0;
            pipe = pipe || object->m_name.rfind("TUYAU", 0) == 0;
        }
    EXPECT_TRUE(bar);
    EXPECT_TRUE(pipe);
    // No cut list and no valve sizing for an organ.
    EXPECT_FALSE(std::filesystem::exists(m_folder / "grand-orgue_commande.wri"));
    EXPECT_EQ(m_host.m_title, (m_folder / "orgue.org").string());
}

TEST_F(ViewTest, OpenDocumentOpensOrgansAndChestsByTheirEnding) {
    ExampleOrgan();
    EXPECT_TRUE(m_view->OpenDocument(m_folder / "orgue.org"));
    EXPECT_EQ(m_view->ChestCount(), 4);
    EXPECT_TRUE(m_view->OpenDocument(m_folder / "recit.dat"));
    EXPECT_EQ(m_view->ChestCount(), 1);
    EXPECT_EQ((*m_view->g_chests)[0].m_file_name, "recit.dat");
    const int repaints = m_ui.Repaints();
    EXPECT_TRUE(m_view->OpenDocument(m_folder / "notes.txt"));
    EXPECT_EQ(m_ui.Repaints(), repaints + 1);
    EXPECT_EQ(m_view->ChestCount(), 1);
    EXPECT_FALSE(m_view->OpenDocument(m_folder / "absent.org"));
    EXPECT_EQ(m_view->ChestCount(), 1);
}

TEST_F(ViewTest, SavedOrganIsByteForByteTheChestsThenTheFreeBarsAndPipes) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(32795, "orgue.org"));
    RunWithFile(57604, "copie.org");
    EXPECT_EQ(m_ui.FileDialogTitles().back(), "Save Organ as ?");
    EXPECT_EQ(m_folder.Read("copie.org"), "SOMMIER grand-orgue.dat 0 0 1000 1 0 0 \r\n"
                                          "SOMMIER recit.dat 0 1400 2600 1 0 0 \r\n"
                                          "SOMMIER pedale.dat -2200 600 0 1 0 0 \r\n"
                                          "SOMMIER tourelle.dat 1000 -700 1000 1 0 0 \r\n"
                                          "BARRE 3200 60 80 0 2900 1300 \r\n"
                                          "TUYAU 60 60 2000 -600 1800 200 \r\n");
    // A name without '.' gets ".org" rather than replacing a file of that name.
    m_folder.Write("organ", "keep me");
    RunWithFile(57604, "organ");
    EXPECT_EQ(m_folder.Read("organ"), "keep me");
    EXPECT_EQ(m_folder.Read("organ.org"), m_folder.Read("copie.org"));
}

TEST_F(ViewTest, SaveOrganAfterOpenChestWritesTheOrgFileOfTheChest) {
    Example("grand-orgue.dat");
    RunCommand(*m_view, 57603);
    EXPECT_EQ(m_ui.Messages().back().text, "File Name NULL");
    RunWithFile(57601, "grand-orgue.dat");
    // Cancel in the question writes nothing.
    m_ui.QueueAnswer(MessageAnswer::Cancel);
    RunCommand(*m_view, 57603);
    EXPECT_EQ(m_ui.Messages().back().text, "Chest :grand-orgue.dat will be saved as .org file");
    EXPECT_FALSE(std::filesystem::exists(m_folder / "grand-orgue.org"));
    m_ui.QueueAnswer(MessageAnswer::Ok);
    RunCommand(*m_view, 57603);
    EXPECT_EQ(m_folder.Read("grand-orgue.org"), "SOMMIER grand-orgue.dat 0 0 0 1 0 0 \r\n");
}

TEST_F(ViewTest, AChestOpenedAloneIsSavedWithoutTheBarsOfTheLastOrgan) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(32795, "orgue.org"));
    ASSERT_TRUE(RunWithFile(57601, "recit.dat"));
    RunWithFile(57604, "recit.org");
    EXPECT_EQ(m_folder.Read("recit.org").find("BARRE"), std::string::npos);
}

TEST_F(ViewTest, AFailedOrganWriteSaysSo) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(32795, "orgue.org"));
    const size_t messages = m_ui.Messages().size();
    m_ui.QueueFile(m_folder / "no-such-folder" / "x.org");
    RunCommand(*m_view, 57604);
    EXPECT_EQ(m_ui.Messages().size(), messages + 1);
    EXPECT_FALSE(std::filesystem::exists(m_folder / "no-such-folder"));
    // Quit does not end the program when its organ could not be written.
    m_ui.QueueFile(m_folder / "no-such-folder" / "x.org");
    RunCommand(*m_view, 57665);
    EXPECT_FALSE(m_host.m_ended);
}

TEST_F(ViewTest, SaveAllChestsReadsEveryChestBeforeWriting) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(32795, "orgue.org"));
    std::string expected;
    for (const char *name : {"grand-orgue.dat", "recit.dat", "pedale.dat", "tourelle.dat"})
        expected += m_folder.Read(name);
    // The first chest's own file chosen as the output.
    RunWithFile(32849, "grand-orgue.dat");
    EXPECT_EQ(m_folder.Read("grand-orgue.dat"), expected);
}

TEST_F(ViewTest, AddChestStopsAtThirty) {
    Example("recit.dat");
    for (int i = 0; i < ChestTable::kMaxChests; ++i)
        ASSERT_TRUE(RunWithFile(32806, "recit.dat"));
    EXPECT_EQ(m_view->ChestCount(), 30);
    EXPECT_TRUE(m_view->g_scene->m_display3D);
    const size_t messages = m_ui.Messages().size();
    RunWithFile(32806, "recit.dat");
    EXPECT_EQ(m_view->ChestCount(), 30);
    ASSERT_EQ(m_ui.Messages().size(), messages + 1);
    EXPECT_NE(m_ui.Messages().back().text.find("30 chests"), std::string::npos);
}

TEST_F(ViewTest, NewTwiceLeavesThirtyEmptyRecordsAndAnEmptyScene) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(32795, "orgue.org"));
    RunCommand(*m_view, 57600);
    RunCommand(*m_view, 57600);
    ASSERT_TRUE(m_view->g_chests);
    EXPECT_EQ(m_view->g_chests->chests.size(), 30u);
    EXPECT_EQ(m_view->ChestCount(), 0);
    EXPECT_EQ(m_view->g_currentChest, nullptr);
    EXPECT_EQ(m_view->g_scene->m_nbobject, 0);
    EXPECT_FALSE(m_view->g_scene->m_display3D);
    EXPECT_FALSE(m_view->g_pipeBoards);
    EXPECT_FALSE(m_view->g_pedalboardMode);
}

TEST_F(ViewTest, QuitCancelledByItsDialogThenQuitSaving) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(32795, "orgue.org"));
    RunCancelled(57665);
    EXPECT_FALSE(m_host.m_ended);
    EXPECT_TRUE(m_view->g_scene);
    RunWithFile(57665, "fin.org");
    EXPECT_TRUE(m_host.m_ended);
    EXPECT_EQ(m_host.m_exitCode, 0);
    EXPECT_FALSE(m_folder.Read("fin.org").empty());
}

TEST_F(ViewTest, EscapeEndsAtOnceWithoutWriting) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(32795, "orgue.org"));
    const auto before = std::distance(std::filesystem::directory_iterator(m_folder.Path()),
                                      std::filesystem::directory_iterator());
    m_view->OnKeyDown(kKeyEscape);
    EXPECT_TRUE(m_host.m_ended);
    EXPECT_EQ(m_host.m_exitCode, 0);
    EXPECT_TRUE(m_ui.FileDialogTitles().size() == 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.Path()),
                            std::filesystem::directory_iterator()),
              before);
    // Nothing of the organ is left to paint after the end.
    RecordingCanvas canvas;
    m_view->Paint2D(canvas);
    EXPECT_TRUE(canvas.Ops().empty());
}

TEST_F(ViewTest, ExitWithoutSave) {
    RunCommand(*m_view, 32831);
    EXPECT_TRUE(m_host.m_ended);
    EXPECT_EQ(m_host.m_exitCode, 0);
}

} // namespace
} // namespace ventrel::test
