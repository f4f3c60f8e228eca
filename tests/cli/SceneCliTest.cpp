// ventrel-cli scene: the objects and messages of an imported scene file as one JSON document.
#include "CliRun.h"
#include "TestFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace ventrel {
namespace {

using nlohmann::json;
using test::Cli;

json Scene(const std::string &arguments, int expectedStatus = 0) {
    const test::Result result = Cli("scene " + arguments + " --json");
    EXPECT_EQ(result.status, expectedStatus) << arguments;
    return json::parse(result.out, nullptr, false);
}

TEST(CliScene, DocumentOfEveryObjectLightAndMessage) {
    test::TestFolder folder;
    folder.Write("lamp.wrl",
                 "#VRML V2.0 utf8\n"
                 "DEF Door Viewpoint { position 0 1 10 orientation 0 1 0 0.5 }\n"
                 "DEF Lamp Transform { translation 1 2 3 children [ Shape {\n"
                 "  appearance Appearance { material Material { diffuseColor 1 0.5 0 } }\n"
                 "  geometry IndexedFaceSet { coord Coordinate { point [ 0 0 0 1 0 0 1 1 0 ] }\n"
                 "    coordIndex [ 0 1 2 -1 ] } } ] }\n"
                 "DEF Clock TimeSensor { loop FALSE cycleInterval 5 }\n"
                 "DEF Glow PointLight { intensity 0.5 location 1 2 3 }\n"
                 "DEF Box Transform { children [ Shape { geometry IndexedFaceSet {\n"
                 "  coord Box { } } } ] }\n");
    folder.Write("lamp.scr", "Lamp blink 0.5\n");
    const json doc = Scene((folder / "lamp.wrl").string());
    ASSERT_TRUE(doc.is_object());
    ASSERT_EQ(doc["objects"].size(), 3u); // Door, Lamp, Box
    EXPECT_EQ(doc["objects"][0]["name"], "Door");
    EXPECT_EQ(doc["objects"][0]["viewpoint"]["position"], json({0, 1, 10}));
    const json &lamp = doc["objects"][1];
    EXPECT_EQ(lamp["name"], "Lamp");
    EXPECT_EQ(lamp["points"], 3);
    EXPECT_EQ(lamp["faces"], 1);
    EXPECT_EQ(lamp["index_entries"], 4);
    EXPECT_EQ(lamp["diffuse"][0], json({1, 0.5, 0}));
    EXPECT_EQ(lamp["translation"], json({1, 2, 3}));
    EXPECT_EQ(lamp["matrix"], nullptr);
    EXPECT_EQ(lamp["viewpoint"], nullptr);
    EXPECT_EQ(lamp["script"], "blink 0.5");
    EXPECT_EQ(lamp["animation"]["active"], true);
    EXPECT_EQ(lamp["animation"]["cycle_interval"], 5);
    EXPECT_EQ(doc["objects"][2]["name"], "Box");
    ASSERT_EQ(doc["lights"].size(), 1u);
    EXPECT_EQ(doc["lights"][0]["type"], 1);
    EXPECT_EQ(doc["lights"][0]["location"], json({1, 2, 3}));
    EXPECT_EQ(doc["messages"], json({"corrupted VRML2 input file: coord! Line #:10"}));
}

TEST(CliScene, KindFromTheFileOrAsAsked) {
    test::TestFolder folder;
    folder.Write("town.txt", "BAT. 0 0 0 1 0 0 1 1 0 0 1 0\n");
    folder.Write("grid.dat", "0 0 0 0 x\n0 1 0 0 x\n1 0 0 0 x\n1 1 0 0 x\n");
    const json town = Scene((folder / "town.txt").string());
    ASSERT_EQ(town["objects"].size(), 2u);
    EXPECT_EQ(town["objects"][0]["name"], "IGN");
    EXPECT_EQ(town["objects"][0]["index_entries"], 5);
    EXPECT_EQ(town["objects"][0]["material_index"], json({0}));
    const json grid = Scene((folder / "grid.dat").string() + " --as terrain");
    ASSERT_EQ(grid["objects"].size(), 1u);
    EXPECT_EQ(grid["objects"][0]["points"], 4);
    EXPECT_EQ(grid["objects"][0]["faces"], 1);
}

TEST(CliScene, RefusedFilesExitWithOneAndTheirMessage) {
    test::TestFolder folder;
    folder.Write("old.wrl", "#VRML V1.1 ascii\n");
    folder.Write("blank.wrl", "\n#VRML V1.0 ascii\n");
    EXPECT_EQ(Scene((folder / "old.wrl").string(), 1)["messages"], json({"Invalid vrml version"}));
    EXPECT_EQ(Scene((folder / "blank.wrl").string(), 1)["messages"],
              json({"File blank.wrl is not a vrml one"}));
    EXPECT_EQ(Cli("scene " + (folder / "absent.wrl").string()).status, 1);
    EXPECT_EQ(Cli("scene " + (folder / "old.wrl").string() + " --as obj").status, 2);
}

TEST(CliScene, TheExampleChurch) {
    const json church = Scene(test::Example("eglise.wrl"));
    EXPECT_GE(church["objects"].size(), 10u);
    EXPECT_EQ(church["objects"][0]["name"], "Floor");
    EXPECT_TRUE(church["messages"].empty());
}

} // namespace
} // namespace ventrel
