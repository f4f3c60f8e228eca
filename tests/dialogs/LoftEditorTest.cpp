// The loft editor: its two outlines from .poly files, their plane lists and the preview slots.
#include "TestFolder.h"

#include "dialogs/LoftEditor.h"
#include "platform/HeadlessUi.h"
#include "render/Scene.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

class LoftEditorTest : public ::testing::Test {
protected:
    LoftEditorTest() {
        // A straight path and a small profile: 2 x 3 points, 2 quads.
        m_folder.Write("path.poly", "         2        0.000000         0.000000      100.000000"
                                    "         0.000000");
        m_folder.Write("profile.poly", "         3        0.000000         0.000000       10.000000"
                                       "         0.000000       10.000000        50.000000");
        m_folder.Write("broken.poly", "three points");
        m_scene.AddObject(std::make_unique<CObject3D>()); // what the organ had
        m_scene.AddObject(std::make_unique<CObject3D>());
        m_scene.AddObject(std::make_unique<CObject3D>());
        m_scene.AddObject(std::make_unique<CObject3D>());
        LoftEditor::Hooks hooks;
        hooks.askFile = [this](const char *filter, const char *title) {
            m_titles.push_back(title);
            m_filters.push_back(filter);
            std::optional<std::filesystem::path> answer;
            if (!m_answers.empty()) {
                answer = m_answers.front();
                m_answers.erase(m_answers.begin());
            }
            return answer;
        };
        hooks.scene = [this] { return &m_scene; };
        hooks.sceneChanged = [this] { ++m_changes; };
        hooks.show3D = [this] { m_scene.m_display3D = true; };
        m_editor = std::make_unique<LoftEditor>(m_ui, hooks);
    }
    void Answer(const std::string &name) { m_answers.push_back(m_folder / name); }

    test::TestFolder m_folder;
    HeadlessUi m_ui;
    Scene m_scene;
    std::vector<std::string> m_titles, m_filters;
    std::vector<std::optional<std::filesystem::path>> m_answers;
    int m_changes = 0;
    std::unique_ptr<LoftEditor> m_editor;
};

TEST_F(LoftEditorTest, TwoOutlinesMakeALoftInSlotTwoAndClosingEmptiesTheScene) {
    // Opening: slots 0 and 1 hold empty objects, slot 2 nothing.
    ASSERT_EQ(m_scene.m_nbobject, 3);
    ASSERT_TRUE(m_scene.Object(0) && m_scene.Object(1));
    EXPECT_EQ(m_scene.Object(0)->nbpts, 0);
    EXPECT_EQ(m_scene.Object(2), nullptr);
    EXPECT_EQ(m_editor->Field(LoftEditor::kCouple), "Polyline 1 ?");
    EXPECT_EQ(m_editor->Field(LoftEditor::kForme), "Polyline 2 ?");

    EXPECT_FALSE(m_editor->MakeLoft()); // not without both outlines
    Answer("profile.poly");
    ASSERT_TRUE(m_editor->ChooseFile(LoftEditor::kCouple));
    EXPECT_EQ(m_editor->Field(LoftEditor::kCouple), "profile.poly");
    const CObject3D *couple = m_scene.Object(0);
    ASSERT_TRUE(couple);
    EXPECT_EQ(couple->m_name, "LOFT");
    EXPECT_EQ(couple->m_textureFile, "motif.jpg");
    EXPECT_EQ(couple->nbpts, 4);
    EXPECT_EQ(couple->m_vertices[2], (Vec3{100, 100, 0}));
    EXPECT_EQ(couple->m_outline.size(), 3u);
    EXPECT_TRUE(m_scene.m_display3D);
    EXPECT_FALSE(m_editor->MakeLoft());

    Answer("path.poly");
    ASSERT_TRUE(m_editor->ChooseFile(LoftEditor::kForme));
    EXPECT_EQ(m_scene.Object(1)->m_outline.size(), 2u);
    ASSERT_TRUE(m_editor->MakeLoft());
    const CObject3D *loft = m_scene.Object(2);
    ASSERT_TRUE(loft);
    EXPECT_EQ(loft->m_name, "loft1");
    EXPECT_EQ(loft->m_textureFile, "motif.jpg");
    EXPECT_EQ(loft->nbpts, 6);
    EXPECT_EQ(loft->nbface, 2);
    EXPECT_EQ(loft->m_vertices[1 * 2 + 1], (Vec3{100, 0, 10}));
    EXPECT_EQ(m_scene.m_nbobject, 3);

    EXPECT_EQ(m_titles,
              (std::vector<std::string>{"Get PolyLine 1 Name ?", "Get PolyLine 2 Name ?"}));
    EXPECT_EQ(m_filters[0], "Fichiers de tuyaux (*.poly)|*.poly;|");

    EXPECT_FALSE(m_editor->Press(LoftEditor::kSaveLoft));
    EXPECT_FALSE(m_editor->Press(LoftEditor::kClearLoft));
    EXPECT_EQ(m_scene.Object(2), loft);
    EXPECT_TRUE(m_editor->Press(LoftEditor::kOk));
    EXPECT_EQ(m_scene.m_nbobject, 0);
    EXPECT_EQ(m_scene.Object(0), nullptr);
    EXPECT_EQ(m_editor->Couple(), nullptr);
    EXPECT_FALSE(m_editor->MakeLoft());
}

TEST_F(LoftEditorTest, AFileThatCannotBeReadKeepsTheOutlineItHad) {
    Answer("profile.poly");
    ASSERT_TRUE(m_editor->ChooseFile(LoftEditor::kCouple));
    Answer("broken.poly");
    EXPECT_FALSE(m_editor->ChooseFile(LoftEditor::kCouple));
    Answer("absent.poly");
    EXPECT_FALSE(m_editor->ChooseFile(LoftEditor::kCouple));
    EXPECT_EQ(m_ui.Messages().size(), 2u);
    ASSERT_TRUE(m_editor->Couple());
    EXPECT_EQ(m_editor->Couple()->PointCount(), 3);
    EXPECT_EQ(m_editor->Field(LoftEditor::kCouple), "profile.poly");
    EXPECT_FALSE(m_editor->ChooseFile(LoftEditor::kForme)); // cancelled
    EXPECT_EQ(m_editor->Forme(), nullptr);
}

TEST_F(LoftEditorTest, PlaneListsReadTheOutlineAgainWithTheirPlane) {
    EXPECT_EQ(LoftEditor::PlaneNames(),
              (std::vector<std::string>{"XoY", "YoX", "YoZ", "ZoY", "ZoX", "XoZ"}));
    m_editor->SelectPlane(LoftEditor::kFormePlane, 4); // no file yet: only the list changes
    EXPECT_EQ(m_editor->PlaneSelection(LoftEditor::kFormePlane), 4);
    EXPECT_TRUE(m_ui.Messages().empty());

    Answer("path.poly");
    ASSERT_TRUE(m_editor->ChooseFile(LoftEditor::kForme));
    EXPECT_EQ(m_editor->Forme()->m_plane, 0); // a file read starts on plane 0
    m_editor->FocusPlane(LoftEditor::kFormePlane);
    EXPECT_EQ(m_editor->Forme()->m_plane, 4);
    m_editor->SelectPlane(LoftEditor::kFormePlane, 2);
    EXPECT_EQ(m_editor->Forme()->m_plane, 2);
    EXPECT_EQ(m_editor->Forme()->PointCount(), 2);
    EXPECT_EQ(m_scene.Object(1)->m_name, "LOFT");
    m_editor->SelectPlane(LoftEditor::kFormePlane, 6); // beyond the list: ignored
    EXPECT_EQ(m_editor->Forme()->m_plane, 2);
}

} // namespace
} // namespace ventrel
