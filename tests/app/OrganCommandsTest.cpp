// The chest and organ commands: open, add, save, concatenate, the reset and the quit sequences.
#include "ViewFixture.h"

#include "chest/OrganFile.h"
#include "platform/RecordingCanvas.h"
#include "render/CObject3D.h"
#include "render/Scene.h"

namespace ventrel::test {
namespace {

const char *kBadShape = "JEU Bad\nNTUYAUX 2\nTUYAU1 1\nINCX 1\nFORME:TRIANGLE\n";

TEST_F(ViewTest, OpenChestReadsLaysOutWritesTheCutListAndShows2D) {
    Example("grand-orgue.dat");
    EXPECT_TRUE(RunCancelled(kOpenChest));
    EXPECT_EQ(m_view->g_currentChest, nullptr);

    ASSERT_TRUE(RunWithFile(kOpenChest, "grand-orgue.dat"));
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

TEST_F(ViewTest, AChestThatGivesNoStopSaysSoWithItsName) {
    // A comment line before the first stop: the reader finds nothing, without a fault.
    m_folder.Write("premier.dat", "/ premier essai\nJEU A\nNTUYAUX 1\nTUYAU1 1\nINCX 1\n"
                                  "FORME:ROND\nXY0 20 20\n30\n8\n15\nHAUTEURS\n500\n");
    ASSERT_TRUE(RunWithFile(kOpenChest, "premier.dat"));
    ASSERT_NE(m_view->g_currentChest, nullptr);
    EXPECT_EQ(m_view->g_currentChest->StopCount(), 0);
    ASSERT_EQ(m_ui.Messages().size(), 1u);
    EXPECT_EQ(m_ui.Messages()[0].text.rfind("premier.dat: no stop was read from this file", 0), 0u)
        << m_ui.Messages()[0].text;
    ASSERT_TRUE(RunWithFile(kOpenChest, Example("grand-orgue.dat").filename().string()));
    EXPECT_EQ(m_ui.Messages().size(), 1u);
}

TEST_F(ViewTest, AChestThatCannotBeReadLeavesTheOrganAsItWas) {
    Example("grand-orgue.dat");
    m_folder.Write("bad.dat", kBadShape);
    ASSERT_TRUE(RunWithFile(kOpenChest, "grand-orgue.dat"));
    const int stops = m_view->g_currentChest->StopCount();
    const Scene *scene = m_view->g_scene.get();

    RunWithFile(kOpenChest, "absent.dat");
    ASSERT_FALSE(m_ui.Messages().empty());
    EXPECT_EQ(m_ui.Messages().back().text,
              "FICHIER " + (m_folder / "absent.dat").string() + " ABSENT\n");
    RunWithFile(kOpenChest, "bad.dat");
    // The reader's words, then where it stopped: the file and the line of the shape word.
    const std::string &said = m_ui.Messages().back().text;
    EXPECT_EQ(said.rfind("Stop Bad: no pipe shape", 0), 0u) << said;
    EXPECT_NE(said.find("\n" + (m_folder / "bad.dat").string() + ":5: "), std::string::npos)
        << said;
    RunWithFile(kAddChest, "bad.dat");

    EXPECT_EQ(m_view->ChestCount(), 1);
    EXPECT_EQ(m_view->g_currentChest->StopCount(), stops);
    EXPECT_EQ(m_view->g_currentChest->m_file_name, "grand-orgue.dat");
    EXPECT_EQ(m_view->g_scene.get(), scene);
}

TEST_F(ViewTest, OpenOrganBuildsEveryChestAndItsBarsInThreeD) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(kOpenOrgan, "orgue.org"));
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
    ASSERT_TRUE(RunWithFile(kOpenOrgan, "orgue.org"));
    RunWithFile(kSaveOrganAs, "copie.org");
    EXPECT_EQ(m_ui.FileDialogTitles().back(), "Save Organ as ?");
    EXPECT_EQ(m_folder.Read("copie.org"), "SOMMIER grand-orgue.dat 0 0 1000 1 0 0 \r\n"
                                          "SOMMIER recit.dat 0 1400 2600 1 0 0 \r\n"
                                          "SOMMIER pedale.dat -2200 600 0 1 0 0 \r\n"
                                          "SOMMIER tourelle.dat 1000 -700 1000 1 0 0 \r\n"
                                          "BARRE 3200 60 80 0 2900 1300 \r\n"
                                          "TUYAU 60 60 2000 -600 1800 200 \r\n");
    // A name without '.' gets ".org" rather than replacing a file of that name.
    m_folder.Write("organ", "keep me");
    RunWithFile(kSaveOrganAs, "organ");
    EXPECT_EQ(m_folder.Read("organ"), "keep me");
    EXPECT_EQ(m_folder.Read("organ.org"), m_folder.Read("copie.org"));
}

TEST_F(ViewTest, SaveOrganAfterOpenChestWritesTheOrgFileOfTheChest) {
    Example("grand-orgue.dat");
    RunCommand(*m_view, kSaveOrgan);
    EXPECT_EQ(m_ui.Messages().back().text, "File Name NULL");
    RunWithFile(kOpenChest, "grand-orgue.dat");
    // Cancel in the question writes nothing.
    m_ui.QueueAnswer(MessageAnswer::Cancel);
    RunCommand(*m_view, kSaveOrgan);
    EXPECT_EQ(m_ui.Messages().back().text, "Chest :grand-orgue.dat will be saved as .org file");
    EXPECT_FALSE(std::filesystem::exists(m_folder / "grand-orgue.org"));
    m_ui.QueueAnswer(MessageAnswer::Ok);
    RunCommand(*m_view, kSaveOrgan);
    EXPECT_EQ(m_folder.Read("grand-orgue.org"), "SOMMIER grand-orgue.dat 0 0 0 1 0 0 \r\n");
}

TEST_F(ViewTest, AChestOpenedAloneIsSavedWithoutTheBarsOfTheLastOrgan) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(kOpenOrgan, "orgue.org"));
    ASSERT_TRUE(RunWithFile(kOpenChest, "recit.dat"));
    RunWithFile(kSaveOrganAs, "recit.org");
    EXPECT_EQ(m_folder.Read("recit.org").find("BARRE"), std::string::npos);
}

TEST_F(ViewTest, AFailedOrganWriteSaysSo) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(kOpenOrgan, "orgue.org"));
    const size_t messages = m_ui.Messages().size();
    m_ui.QueueFile(m_folder / "no-such-folder" / "x.org");
    RunCommand(*m_view, kSaveOrganAs);
    EXPECT_EQ(m_ui.Messages().size(), messages + 1);
    EXPECT_FALSE(std::filesystem::exists(m_folder / "no-such-folder"));
    // Quit does not end the program when its organ could not be written.
    m_ui.QueueFile(m_folder / "no-such-folder" / "x.org");
    RunCommand(*m_view, kQuit);
    EXPECT_FALSE(m_host.m_ended);
}

TEST_F(ViewTest, SaveAllChestsReadsEveryChestBeforeWriting) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(kOpenOrgan, "orgue.org"));
    std::string expected;
    for (const char *name : {"grand-orgue.dat", "recit.dat", "pedale.dat", "tourelle.dat"})
        expected += m_folder.Read(name);
    // The first chest's own file chosen as the output.
    RunWithFile(kSaveAllChests, "grand-orgue.dat");
    EXPECT_EQ(m_folder.Read("grand-orgue.dat"), expected);
}

TEST_F(ViewTest, AddChestStopsAtThirty) {
    Example("recit.dat");
    for (int i = 0; i < ChestTable::kMaxChests; ++i)
        ASSERT_TRUE(RunWithFile(kAddChest, "recit.dat"));
    EXPECT_EQ(m_view->ChestCount(), 30);
    EXPECT_TRUE(m_view->g_scene->m_display3D);
    const size_t messages = m_ui.Messages().size();
    RunWithFile(kAddChest, "recit.dat");
    EXPECT_EQ(m_view->ChestCount(), 30);
    ASSERT_EQ(m_ui.Messages().size(), messages + 1);
    EXPECT_NE(m_ui.Messages().back().text.find("30 chests"), std::string::npos);
}

TEST_F(ViewTest, NewTwiceLeavesThirtyEmptyRecordsAndAnEmptyScene) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(kOpenOrgan, "orgue.org"));
    RunCommand(*m_view, kNew);
    RunCommand(*m_view, kNew);
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
    ASSERT_TRUE(RunWithFile(kOpenOrgan, "orgue.org"));
    RunCancelled(kQuit);
    EXPECT_FALSE(m_host.m_ended);
    EXPECT_TRUE(m_view->g_scene);
    RunWithFile(kQuit, "fin.org");
    EXPECT_TRUE(m_host.m_ended);
    EXPECT_EQ(m_host.m_exitCode, 0);
    EXPECT_FALSE(m_folder.Read("fin.org").empty());
}

TEST_F(ViewTest, EscapeEndsAtOnceWithoutWriting) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(kOpenOrgan, "orgue.org"));
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
    RunCommand(*m_view, kExitWithoutSave);
    EXPECT_TRUE(m_host.m_ended);
    EXPECT_EQ(m_host.m_exitCode, 0);
}

TEST_F(ViewTest, AStopFileIsShownWithoutBecomingAChestOfTheOrgan) {
    Example("basse.stop");
    for (const bool afterNew : {false, true}) {
        if (afterNew)
            RunCommand(*m_view, kNew);
        ASSERT_TRUE(RunWithFile(kStop, "basse.stop"));
        ASSERT_NE(m_view->g_currentChest, nullptr);
        EXPECT_GT(m_view->g_currentChest->StopCount(), 0);
        EXPECT_EQ(m_view->ChestCount(), 0);
        ASSERT_TRUE(RunWithFile(kSaveOrganAs, "saved.org"));
        ASSERT_TRUE(std::filesystem::exists(m_folder / "saved.org"));
        EXPECT_EQ(m_folder.Read("saved.org"), "");
        // "Save all Chests" has nothing to concatenate and so no file to miss.
        ASSERT_TRUE(RunWithFile(kSaveAllChests, "all.dat"));
        EXPECT_EQ(m_folder.Read("all.dat"), "");
        for (const std::string &text : MessageTexts())
            EXPECT_EQ(text.find("ABSENT"), std::string::npos) << text;
    }
    // After "Open Chest" the stop is added to the chest the organ holds.
    Example("grand-orgue.dat");
    ASSERT_TRUE(RunWithFile(kOpenChest, "grand-orgue.dat"));
    const int stops = m_view->g_currentChest->StopCount();
    ASSERT_TRUE(RunWithFile(kStop, "basse.stop"));
    EXPECT_EQ(m_view->ChestCount(), 1);
    EXPECT_EQ((*m_view->g_chests)[0].StopCount(), stops + 1);
}

TEST_F(ViewTest, ARepaintWhileAnOrganLoadsNeverPaintsWhatTheLoadReplaced) {
    ExampleOrgan();
    Example("trous.cir");
    // An organ beyond the scene's room: its refusal is a message box shown during the load.
    std::string crowded = "SOMMIER grand-orgue.dat 0 0 0 1 0 0 \r\n";
    for (int i = 0; i <= Scene::kCapacity; ++i)
        crowded += "BARRE 10 10 10 0 0 0 \r\n";
    m_folder.Write("crowded.org", crowded);
    RecordingCanvas canvas;
    int paints = 0;
    m_ui.WhileMessageShown([&] {
        m_view->Paint2D(canvas);
        ++paints;
    });
    // The view shows a chest of the table, then the circle chest outside it.
    for (const int first : {kOpenChest, kOpenCircles}) {
        ASSERT_TRUE(RunWithFile(first, first == kOpenChest ? "grand-orgue.dat" : "trous.cir"));
        const int before = paints;
        RunWithFile(kOpenOrgan, "crowded.org");
        EXPECT_GT(paints, before);
        ASSERT_NE(m_view->g_currentChest, nullptr);
        EXPECT_EQ(m_view->g_currentChest, &(*m_view->g_chests)[0]);
        m_view->Paint2D(canvas);
    }
}

TEST_F(ViewTest, OpenOrganKeepsTheChestRecordsSoClicksStillPick) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(kOpenChest, "grand-orgue.dat"));
    RunCommand(*m_view, kEditPipePositions);
    CWindchest *first = &(*m_view->g_chests)[0];
    first->m_show_registers = true;
    ASSERT_TRUE(RunWithFile(kOpenOrgan, "orgue.org"));
    CWindchest &chest = (*m_view->g_chests)[0];
    EXPECT_EQ(&chest, first);
    EXPECT_TRUE(chest.m_pick_mode);
    EXPECT_TRUE(chest.m_show_registers);
    const std::string before = m_ui.LastStatus();
    m_view->OnLeftDown({chest.Stop(0).X(3), chest.Stop(0).Y(3)});
    m_view->OnLeftUp();
    EXPECT_NE(m_ui.LastStatus(), before);
    EXPECT_EQ(m_ui.LastStatus().rfind("Pipe ", 0), 0u) << m_ui.LastStatus();
}

} // namespace
} // namespace ventrel::test
