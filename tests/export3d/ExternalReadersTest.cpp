// The exported files through readers of other people: the Khronos glTF validator and assimp.
#include "TestScene.h"

#include "ShellCommand.h"
#include "TestFolder.h"

#include "export3d/Export3D.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <regex>

namespace ventrel {
namespace {

using test::OnPath;
using test::ShellOutput;
using test::TestFolder;

std::string Quoted(const std::filesystem::path &path) {
    return "'" + path.string() + "'";
}

class ExternalReaders : public ::testing::Test {
protected:
    ExternalReaders() : scene(&ui) { test::FillWorkshopScene(scene, folder.Path()); }

    void Export(const std::string &name) {
        std::string error;
        ASSERT_TRUE(Export3D(scene, folder / name, folder.Path(), error)) << error;
    }

    HeadlessUi ui;
    Scene scene;
    TestFolder folder;
};

TEST_F(ExternalReaders, KhronosValidatorFindsNoErrorNorWarning) {
    if (!OnPath("npm") || !OnPath("node"))
        GTEST_SKIP() << "npm is not installed: the glTF validator cannot run here";
    const std::filesystem::path validator = VENTREL_GLTF_VALIDATOR;
    ASSERT_TRUE(std::filesystem::exists(validator / "module.mjs"))
        << "the glTF validator is not in " << validator << ": run ./scripts/install-deps";
    for (const char *name : {"organ.glb", "organ.gltf"}) {
        Export(name);
        int status = 0;
        const std::string report = ShellOutput(
            "node " + Quoted(std::filesystem::path(VENTREL_TEST_DATA) / "validate.mjs") + " " +
                Quoted(validator) + " " + Quoted(folder / name),
            &status);
        EXPECT_EQ(status, 0) << report;
        EXPECT_NE(report.find("errors 0 warnings 0 "), std::string::npos) << name << "\n" << report;
        // Four objects, one material each: four draws of 12 + 12 + 8 triangles ... as exported.
        EXPECT_NE(report.find("drawCalls 4 "), std::string::npos) << report;
    }
}

// The counts `assimp info` prints: "Meshes: 4", "Vertices: 88", ...
std::map<std::string, int> AssimpCounts(const std::string &info) {
    std::map<std::string, int> counts;
    static const std::regex line(
        R"(^(Meshes|Vertices|Faces|Materials|Textures \(embed\.\)|Nodes):\s+(\d+))");
    std::istringstream in(info);
    for (std::string text; std::getline(in, text);) {
        std::smatch match;
        if (std::regex_search(text, match, line))
            counts[match[1]] = std::stoi(match[2]);
    }
    return counts;
}

// The names of the nodes under the root, as `assimp info` draws its tree: "├╴NAME (mesh 0)".
std::vector<std::string> AssimpNodeNames(const std::string &info) {
    std::vector<std::string> names;
    static const std::regex line("^\\S+\u2574(.*) \\(mesh \\d+\\)$");
    std::istringstream in(info);
    for (std::string text; std::getline(in, text);) {
        std::smatch match;
        if (std::regex_match(text, match, line))
            names.push_back(match[1]);
    }
    return names;
}

TEST_F(ExternalReaders, AssimpReadsTheSameObjectsAndPointsFromTheBinaryAndTheObjFile) {
    if (!OnPath("assimp"))
        GTEST_SKIP() << "assimp (assimp-utils) is not installed";
    Export("organ.glb");
    Export("organ.obj");
    int status = 0;
    const std::string glb = ShellOutput("assimp info " + Quoted(folder / "organ.glb"), &status);
    ASSERT_EQ(status, 0) << glb;
    const std::string obj = ShellOutput("assimp info " + Quoted(folder / "organ.obj"), &status);
    ASSERT_EQ(status, 0) << obj;
    const auto fromGlb = AssimpCounts(glb), fromObj = AssimpCounts(obj);
    ASSERT_TRUE(fromGlb.count("Meshes") && fromGlb.count("Vertices") && fromGlb.count("Faces"))
        << glb;
    EXPECT_EQ(fromGlb.at("Meshes"), 4) << glb;
    for (const char *count : {"Meshes", "Vertices", "Faces"})
        EXPECT_EQ(fromGlb.at(count), fromObj.at(count)) << count << "\n" << glb << "\n" << obj;
    // The same names, those of the OBJ file written as one word.
    auto names = AssimpNodeNames(glb);
    EXPECT_EQ(names, (std::vector<std::string>{"SOMMIER", "TUYAUBOIS :1", "Tuyau : 1", "painted"}));
    for (std::string &name : names)
        std::replace(name.begin(), name.end(), ' ', '_');
    EXPECT_EQ(AssimpNodeNames(obj), names);
}

} // namespace
} // namespace ventrel
