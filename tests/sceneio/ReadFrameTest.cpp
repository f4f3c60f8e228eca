// The reading frame: headers, one object per reader call, files, scripts, inline files, limits.
#include "SceneText.h"
#include "TestFolder.h"
#include "render/CAnimation.h"
#include "sceneio/SceneImport.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

using test::SceneText;
using test::TestFolder;

TEST(ReadFrame, HeaderDecidesTheVersionOrRefusesTheFile) {
    SceneText v1;
    EXPECT_EQ(v1.Read("#VRML V1.0 ascii\nDEF A Separator { }\n"), 1);
    EXPECT_TRUE(v1.Messages().empty());
    EXPECT_EQ(v1.Names(), (std::vector<std::string>{"A"}));

    SceneText v11;
    EXPECT_EQ(v11.Read("#VRML V1.1 ascii\nDEF A Separator { }\n"), 0);
    EXPECT_EQ(v11.Messages(), (std::vector<std::string>{"Invalid vrml version"}));
    EXPECT_EQ(v11.scene.m_nbobject, 0);

    SceneText blank;
    EXPECT_EQ(blank.Read("\n#VRML V1.0 ascii\n", "eglise.wrl"), 0);
    EXPECT_EQ(blank.Messages(), (std::vector<std::string>{"File eglise.wrl is not a vrml one"}));
    EXPECT_EQ(blank.scene.m_nbobject, 0);
}

TEST(ReadFrame, EveryCallAppendsOneObjectTheLastPossiblyEmpty) {
    // Three marked sections: three objects and the empty one of the call that meets the end.
    SceneText text;
    text.Read("#VRML V1.0 ascii\n"
              "# Object \"a\" Coordinate3 { point [ 0 0 0, 1 0 0, 0 1 0 ] }\n# end of a\n"
              "# Object \"b\"\n# end of b\n"
              "# Object \"c\"\n# end of c\n");
    EXPECT_EQ(text.Names(), (std::vector<std::string>{"a", "b", "c", ""}));
    EXPECT_EQ(text.Object(0).nbpts, 3);
    EXPECT_EQ(text.Object(3).nbpts, 0);
    // Bounds and centre of what was read.
    EXPECT_FLOAT_EQ(text.Object(0).m_centre.x, 0.5f);
    EXPECT_FLOAT_EQ(text.Object(0).m_o_max_xyz.y, 1.0f);
    EXPECT_EQ(text.ui.LastStatus(), "End Read scene.wrl");
}

TEST(ReadFrame, AFullSceneStopsTheReadingAndKeepsWhatWasRead) {
    SceneText text;
    text.scene.m_capacity = 2;
    text.Read("#VRML V1.0 ascii\n# Object \"a\"\n# end of a\n# Object \"b\"\n# end of b\n"
              "# Object \"c\"\n# end of c\n");
    EXPECT_EQ(text.Names(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(text.Messages(), (std::vector<std::string>{"** Scene::read_file : overflow"}));
}

TEST(ReadFrame, ListsBeyondTheScratchTablesAreCutWithAMessage) {
    std::string text = "#VRML V1.0 ascii\nCoordinate3 { point [ ";
    for (int i = 0; i < 300001; ++i)
        text += "1 2 3 ";
    text += "] }\ncoordIndex [ ";
    for (int i = 0; i < 100001; ++i)
        text += "0 ";
    text += "]\n";
    SceneText read;
    read.Read(text);
    EXPECT_EQ(read.Object(0).nbpts, 300000);
    EXPECT_EQ(read.Object(0).m_vertices.size(), 300000u);
    EXPECT_EQ(read.Object(0).nbindex, 100000);
    EXPECT_EQ(read.Messages().size(), 2u);
}

TEST(ReadFrame, MissingFileAndTheCompanionScript) {
    TestFolder folder;
    HeadlessUi ui;
    Scene scene(&ui);
    V_Lib missing(&ui);
    EXPECT_EQ(missing.ReadFileIntoMemory(folder / "absent.wrl", scene), 0);
    EXPECT_TRUE(ui.Messages().empty());

    folder.Write("lamp.wrl", "#VRML V2.0 utf8\nDEF Lamp Transform { children [ Shape { } ] }\n");
    folder.Write("lamp.scr", "Other x\nLamp blink 0.5\r\n");
    V_Lib lib(&ui);
    ASSERT_EQ(lib.ReadFileIntoMemory(folder / "lamp.wrl", scene), 1);
    EXPECT_EQ(ui.Statuses().front(), "Read scene:" + (folder / "lamp.wrl").string());
    EXPECT_EQ(scene.m_script, "Other x\nLamp blink 0.5\r\n");
    read_file(scene, lib);
    EXPECT_EQ(scene.Object(0)->m_name, "Lamp");
    EXPECT_EQ(scene.Object(0)->m_script, "blink 0.5");
}

TEST(ReadFrame, InlineFilesAreReadOnceEvenWhenTheyInlineThemselves) {
    TestFolder folder;
    folder.Write("self.wrl", "#VRML V1.0 ascii\n# Object \"self\"\n"
                             "WWWInline { name \"self.wrl\" }\nWWWInline { name \"other.wrl\" }\n");
    folder.Write("other.wrl", "#VRML V1.0 ascii\n# Object \"other\"\n"
                              "WWWInline { name \"self.wrl\" }\n");
    std::filesystem::create_directory(folder / "sub");
    HeadlessUi ui;
    Scene scene(&ui);
    const SceneImportResult result = ImportScene(scene, folder / "self.wrl", &ui);
    ASSERT_TRUE(result.read);
    // The inline file's object comes before the object that inlines it.
    ASSERT_EQ(scene.m_nbobject, 2);
    EXPECT_EQ(scene.Object(0)->m_name, "other");
    EXPECT_EQ(scene.Object(1)->m_name, "self");
}

TEST(ReadFrame, ImportAppendsOrLeavesTheSceneAsItWas) {
    TestFolder folder;
    folder.Write("nave.wrl", "#VRML V1.0 ascii\nDEF Nave Separator { Coordinate3 { point "
                             "[ 0 0 0, 1 0 0, 0 1 0 ] } PointLight { on TRUE } }\n");
    folder.Write("bad.wrl", "#VRML V3.0\n");
    folder.Write("empty.x", "");
    folder.Write("binary.x", "xof 0302bin 0032\x01\x02");
    HeadlessUi ui;
    Scene scene(&ui);
    scene.AddObject(std::make_unique<CObject3D>())->m_name = "organ";
    for (const char *name : {"bad.wrl", "empty.x", "binary.x", "absent.wrl"}) {
        ui.Clear();
        EXPECT_FALSE(ImportScene(scene, folder / name, &ui).read) << name;
        EXPECT_EQ(ui.Messages().size(), 1u) << name;
        EXPECT_EQ(scene.m_nbobject, 1);
    }
    // A cancelled import adds nothing either.
    SceneImportOptions cancel;
    cancel.progress = [](std::size_t, std::size_t) { return false; };
    std::string big = "#VRML V1.0 ascii\nDEF A Separator { }\n";
    big += std::string(3 << 20, ' ');
    folder.Write("big.wrl", big + "DEF B Separator { }\n");
    const SceneImportResult cancelled = ImportScene(scene, folder / "big.wrl", &ui, cancel);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(scene.m_nbobject, 1);

    const SceneImportResult result = ImportScene(scene, folder / "nave.wrl", &ui);
    EXPECT_TRUE(result.read);
    EXPECT_EQ(result.first, 1);
    EXPECT_EQ(result.added, 1);
    EXPECT_EQ(scene.Object(1)->m_name, "Nave");
    EXPECT_EQ(scene.m_lights.size(), 1u);
}

TEST(ReadFrame, KindFromHeaderThenExtension) {
    EXPECT_EQ(GuessSceneKind("a.txt", "#VRML V2.0 utf8"), SceneKind::Vrml);
    EXPECT_EQ(GuessSceneKind("a.wrl", "xof 0302txt 0064"), SceneKind::Mesh);
    EXPECT_EQ(GuessSceneKind("a.X", "Mesh {"), SceneKind::Mesh);
    EXPECT_EQ(GuessSceneKind("a.txt", "BAT. 1 2 3"), SceneKind::Footprint);
    EXPECT_EQ(GuessSceneKind("a.txt", "1 2 3 0 x"), SceneKind::Terrain);
    EXPECT_EQ(SceneKindFromName("terrain"), SceneKind::Terrain);
    EXPECT_FALSE(SceneKindFromName("obj"));
}

} // namespace
} // namespace ventrel
