// File > "Export 3D...": the scene written in the file and type the dialog chooses.
#include "ViewFixture.h"

#include "render/Scene.h"

namespace ventrel::test {
namespace {

TEST_F(ViewTest, Export3DWritesTheSceneUnderTheChosenNameAndTypeOnceThereIsOne) {
    ASSERT_TRUE(RunCommand(*m_view, kExport3D));
    EXPECT_EQ(MessageTexts().back(),
              "There is no 3D scene to export: open an organ or a chest first.");
    EXPECT_TRUE(m_ui.FileDialogTitles().empty());

    ExampleOrgan();
    ASSERT_TRUE(RunWithFile(kOpenOrgan, "orgue.org"));
    // A name without one of the three endings takes that of the type (the first: .glb).
    ASSERT_TRUE(RunWithFile(kExport3D, "for-the-architect"));
    EXPECT_EQ(m_ui.FileDialogTitles().back(), "Export 3D");
    EXPECT_EQ(ReadBytes(m_folder / "for-the-architect.glb").substr(0, 4), "glTF");
    EXPECT_EQ(m_ui.LastStatus(),
              "for-the-architect.glb: " + std::to_string(m_view->g_scene->m_nbobject) +
                  " objects written");
    ASSERT_TRUE(RunWithFile(kExport3D, "organ.obj"));
    EXPECT_TRUE(std::filesystem::exists(m_folder / "organ.mtl"));
    EXPECT_NE(ReadBytes(m_folder / "organ.obj").find("\no SOMMIER\n"), std::string::npos);
}

} // namespace
} // namespace ventrel::test
