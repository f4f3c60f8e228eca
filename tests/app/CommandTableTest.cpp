// The command table: ids, texts, toolbars, greyed-out and checked items, running commands by id.
#include "ViewFixture.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

namespace ventrel::test {
namespace {

TEST(CommandTable, EveryIdOnceWithItsExactText) {
    std::set<int> ids;
    for (const Command &command : Commands())
        EXPECT_TRUE(ids.insert(command.id).second) << command.id;
    // Texts the menus show byte for byte, including odd ones.
    const std::pair<int, const char *> texts[] = {
        {57600, "&New\tCtrl+N"},        {57601, "&Open Chest\tCtrl+O"},
        {57603, "&Save Organ\tCtrl+S"}, {32790, "&Export DXF\tCTRL+D"},
        {57607, "&Print...\tCtrl+P"},   {32822, "&Cancel\tCtrl+Z"},
        {57637, "Paste\tCtrl+V"},       {32788, "Toogle Rotation Axis "},
        {32774, "Ms Sans Serif"},       {32842, "Open X Y R Circles"},
        {57604, "Save Organ as..."},    {32849, "Save all Chests"},
        {32836, "Masq Magnets"},        {32846, "Write PEDALBOARD DXF"},
    };
    for (const auto &[id, text] : texts) {
        const Command *command = FindCommand(id);
        ASSERT_NE(command, nullptr) << id;
        EXPECT_STREQ(command->menuText, text);
    }
    EXPECT_EQ(PlainText("&Export DXF\tCTRL+D"), "Export DXF");
    EXPECT_EQ(Accelerator("&Export DXF\tCTRL+D"), "CTRL+D");
    // Every menu item is a command of the table.
    for (const Menu &menu : Menus())
        for (int id : menu.items) {
            if (id > 0) {
                EXPECT_NE(FindCommand(id), nullptr) << id;
            }
        }
}

TEST(CommandTable, ToolbarsInTheirOrderWithTheirPictures) {
    // The ids themselves, as the resources number them.
    EXPECT_EQ(ToolbarButtons(kMainToolbar),
              (std::vector<int>{57600, 57601, 57603, 0, 57635, 57634, 57637, 0,     57607, 57664,
                                32799, 0,     32800, 0, 32801, 32802, 32803, 32804, 0,     32854}));
    EXPECT_EQ(ToolbarButtons(kSecondToolbar),
              (std::vector<int>{32812, 32817, 32813, 32814, 32816}));
    // Every button names its own drawing, carried by its command, and the drawing exists.
    std::set<std::string> pictures;
    for (const int toolbar : {kMainToolbar, kSecondToolbar})
        for (const int id : ToolbarButtons(toolbar)) {
            if (id == kSeparator)
                continue;
            const Command *command = FindCommand(id);
            ASSERT_NE(command, nullptr) << id;
            ASSERT_NE(*command->picture, '\0') << id;
            EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(VENTREL_SOURCE_DIR) /
                                                         "resources/icons" /
                                                         (std::string(command->picture) + ".svg")))
                << command->picture;
            EXPECT_TRUE(pictures.insert(command->picture).second) << "shared: " << command->picture;
        }
    EXPECT_STREQ(FindCommand(kOpenChest)->picture, "open");
    EXPECT_STREQ(FindCommand(kPickObjects)->buttonText, "Pick");
}

TEST_F(ViewTest, OnlyTheItemsWithoutAnActionAreGreyedOut) {
    const std::vector<int> greyed = {kCancel,     kCut,        kCopy,       kPaste,
                                     kFontSize14, kFontSize18, kViewBottom, kLineVertical,
                                     kArc,        kNoAction,   kSecondBar1, kSecondBar2,
                                     kSecondBar3, kSecondBar4, kSecondBar5};
    for (const Command &command : Commands())
        EXPECT_EQ(IsEnabled(*m_view, command.id),
                  std::find(greyed.begin(), greyed.end(), command.id) == greyed.end())
            << command.id;
    for (int id : greyed) {
        EXPECT_FALSE(IsEnabled(*m_view, id)) << id;
        EXPECT_FALSE(RunCommand(*m_view, id)) << id;
    }
    // "Printing Setup" and "Undo" are enabled and do nothing.
    for (int id : {kPrintSetup, kUndo, kDisplayMagnetSizes, kLineHorizontal}) {
        EXPECT_TRUE(RunCommand(*m_view, id)) << id;
    }
    EXPECT_TRUE(m_ui.Messages().empty());
    EXPECT_FALSE(RunCommand(*m_view, 12345));
}

TEST_F(ViewTest, ChecksFollowTheState) {
    EXPECT_FALSE(IsChecked(*m_view, kGrid));
    RunCommand(*m_view, kGrid);
    EXPECT_TRUE(IsChecked(*m_view, kGrid));
    EXPECT_TRUE(m_view->m_showGrid);

    EXPECT_FALSE(IsChecked(*m_view, kDisplay3D));
    RunCommand(*m_view, kDisplay3D);
    EXPECT_TRUE(IsChecked(*m_view, kDisplay3D));
    EXPECT_TRUE(m_view->g_scene->m_display3D);

    EXPECT_TRUE(IsChecked(*m_view, kToolbar));
    RunCommand(*m_view, kToolbar);
    EXPECT_FALSE(IsChecked(*m_view, kToolbar));
}

TEST_F(ViewTest, FirstChestCommandsActOnTheFirstChestEvenWhenAnotherIsCurrent) {
    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(kOpenChest, "grand-orgue.dat"));
    ASSERT_TRUE(RunWithFile(kAddChest, "recit.dat"));
    ASSERT_EQ(m_view->g_currentChest, &(*m_view->g_chests)[1]);
    CWindchest &first = (*m_view->g_chests)[0];

    EXPECT_FALSE(IsChecked(*m_view, kMasqMagnets));
    RunCommand(*m_view, kMasqMagnets);
    EXPECT_FALSE(first.m_show_magnets);
    EXPECT_TRUE((*m_view->g_chests)[1].m_show_magnets);
    EXPECT_TRUE(IsChecked(*m_view, kMasqMagnets));

    RunCommand(*m_view, kRegisterWindchest);
    EXPECT_TRUE(first.m_show_registers);
    EXPECT_TRUE(IsChecked(*m_view, kRegisterWindchest));

    // The toolbar pick button: pick mode of the first chest, and the scene's picking on and off.
    EXPECT_FALSE(IsChecked(*m_view, kPickObjects));
    RunCommand(*m_view, kPickObjects);
    EXPECT_TRUE(first.m_pick_mode);
    EXPECT_FALSE((*m_view->g_chests)[1].m_pick_mode);
    EXPECT_TRUE(IsChecked(*m_view, kPickObjects));
    RunCommand(*m_view, kPickObjects);
    EXPECT_FALSE(IsChecked(*m_view, kPickObjects));
}

TEST_F(ViewTest, CameraCommands) {
    Scene &scene = *m_view->g_scene;
    EXPECT_FLOAT_EQ(scene.m_translateStep, 0.2f);
    EXPECT_FLOAT_EQ(scene.m_rotateStep, 0.4f);
    RunCommand(*m_view, kRotationStepUp);
    EXPECT_FLOAT_EQ(scene.m_rotateStep, 0.48f);
    RunCommand(*m_view, kTranslationStepDown);
    EXPECT_FLOAT_EQ(scene.m_translateStep, 0.16f);
    RunCommand(*m_view, kViewTop);
    RunCommand(*m_view, kViewLeft);
    EXPECT_EQ(scene.m_rotation, (Vec3{0, 90, 0}));
    scene.m_translation = {1, 2, 3};
    RunCommand(*m_view, kResetView3D);
    EXPECT_EQ(scene.m_translation, (Vec3{0, 0, -1000}));
    EXPECT_EQ(scene.m_rotation, (Vec3{0, 0, 0}));
    EXPECT_FLOAT_EQ(scene.m_translateStep, 10.0f);
    RunCommand(*m_view, kToggleRotationAxis);
    EXPECT_EQ(scene.m_turnAboutY, 0);
    RunCommand(*m_view, kVectorMode);
    EXPECT_TRUE(scene.m_vectorMode);
    const int objects = scene.m_nbobject;
    RunCommand(*m_view, kAxes);
    EXPECT_EQ(scene.m_nbobject, objects + 1);
}

TEST_F(ViewTest, RotateOrganRunsOnTimerZeroUntilAClick) {
    RunCommand(*m_view, kRotateOrgan);
    ASSERT_EQ(m_host.m_timers.count(kSpinTimer), 1u);
    EXPECT_EQ(m_host.m_timers[kSpinTimer], 10);
    m_view->OnTimer(kSpinTimer);
    m_view->OnTimer(kSpinTimer);
    EXPECT_FLOAT_EQ(m_view->g_scene->m_rotation.y, -1.0f);
    m_view->OnLeftDown({10, 10});
    EXPECT_FALSE(m_view->m_spinning);
    EXPECT_EQ(m_host.m_timers.count(kSpinTimer), 0u);
    m_view->OnTimer(kSpinTimer);
    EXPECT_FLOAT_EQ(m_view->g_scene->m_rotation.y, -1.0f);
}

TEST_F(ViewTest, ColourBecomesBothBackgrounds) {
    m_ui.QueueColour(0x00FF8040u);
    RunCommand(*m_view, kColor);
    EXPECT_EQ(m_view->g_background, 0x00FF8040u);
    EXPECT_FLOAT_EQ(m_view->g_backgroundRGB.x, 0x40 / 256.0f);
    EXPECT_FLOAT_EQ(m_view->g_backgroundRGB.y, 0x80 / 256.0f);
    EXPECT_FLOAT_EQ(m_view->g_backgroundRGB.z, 0xFF / 256.0f);
    m_ui.QueueColour(std::nullopt);
    RunCommand(*m_view, kColor);
    EXPECT_EQ(m_view->g_background, 0x00FF8040u);
}

TEST_F(ViewTest, FontCommands) {
    RunCommand(*m_view, kFontTimes);
    EXPECT_EQ(m_view->m_drawing.m_fontIndex, 2);
    // Wingdings chooses the index only.
    RunCommand(*m_view, kFontWingdings);
    EXPECT_EQ(m_view->m_fontIndex, 3);
    EXPECT_EQ(m_view->m_drawing.m_fontIndex, 2);
    EXPECT_EQ(m_view->m_fontSize, 0);
    RunCommand(*m_view, kFontSize12);
    EXPECT_EQ(m_view->m_fontSize, 12);
}

TEST_F(ViewTest, SettingDialogs) {
    // "Printing scale" opens on 5 and its OK sets the drawing's scale.
    std::string opened;
    m_host.m_value = [&](ValueDialog &dialog) {
        opened = dialog.Text();
        dialog.SetText("2.5");
        return dialog.Ok(m_ui);
    };
    RunCommand(*m_view, kPrintingScale);
    EXPECT_EQ(opened, "5");
    EXPECT_FLOAT_EQ(m_view->m_drawing.g_scale2D, 2.5f);
    m_host.m_value = [&](ValueDialog &dialog) {
        opened = dialog.Text();
        dialog.SetText("3");
        return dialog.Ok(m_ui);
    };
    RunCommand(*m_view, kLineWidth);
    EXPECT_EQ(opened, "1");
    EXPECT_EQ(m_view->m_drawing.g_lineWidth, 3);
    // Cancel leaves it.
    m_host.m_value = [](ValueDialog &) { return false; };
    RunCommand(*m_view, kLineWidth);
    EXPECT_EQ(m_view->m_drawing.g_lineWidth, 3);
}

TEST_F(ViewTest, DisplayInfosNeedsACurrentChest) {
    int runs = 0;
    m_host.m_electros = [&](ElectrosDialog &) { return ++runs > 0; };
    RunCommand(*m_view, kDisplayInfos);
    EXPECT_EQ(runs, 0);
    Example("grand-orgue.dat");
    RunWithFile(kOpenChest, "grand-orgue.dat");
    RunCommand(*m_view, kDisplayInfos);
    EXPECT_EQ(runs, 1);
}

} // namespace
} // namespace ventrel::test
