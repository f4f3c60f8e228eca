// ventrel-cli export3d: the example organ as glTF and OBJ, checked by the Khronos validator and
// by assimp; refused requests and unwritable places.
#include "CliRun.h"
#include "ShellCommand.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <regex>

namespace ventrel {
namespace {

using test::Cli;
using test::Example;
using test::OnPath;
using test::ShellOutput;

// "N" of "NAME:   N" in `assimp info`'s summary.
int AssimpCount(const std::string &info, const std::string &name) {
    std::smatch match;
    return std::regex_search(info, match, std::regex("\n" + name + ":\\s+(\\d+)"))
               ? std::stoi(match[1])
               : -1;
}

TEST(CliExport3D, TheExampleOrganPassesTheValidatorAndReadsTheSameInAssimp) {
    test::TestFolder folder;
    const auto glb = folder / "orgue.glb", obj = folder / "orgue.obj";
    const auto written = Cli("export3d " + Example("orgue.org") + " -o " + glb.string());
    ASSERT_EQ(written.status, 0) << written.out;
    std::smatch match;
    ASSERT_TRUE(
        std::regex_search(written.out, match, std::regex(R"(: (\d+) objects, (\d+) points)")))
        << written.out;
    const int objects = std::stoi(match[1]);
    EXPECT_GT(objects, 100);
    ASSERT_EQ(Cli("export3d " + Example("orgue.org") + " -o " + obj.string()).status, 0);
    EXPECT_TRUE(std::filesystem::exists(folder / "orgue.mtl"));

    if (OnPath("npm") && OnPath("node")) {
        const std::string validator =
            std::string(VENTREL_SOURCE_DIR) + "/build/tools/node_modules/gltf-validator";
        ASSERT_TRUE(std::filesystem::exists(validator + "/module.mjs"))
            << "the glTF validator is not in " << validator << ": run ./scripts/install-deps";
        int status = 0;
        const std::string report =
            ShellOutput("node " + std::string(VENTREL_SOURCE_DIR) +
                            "/tests/export3d/validate.mjs " + validator + " " + glb.string(),
                        &status);
        EXPECT_EQ(status, 0) << report;
        EXPECT_NE(report.find("errors 0 warnings 0 "), std::string::npos) << report;
    } else {
        std::cout << "npm is not installed: the glTF validator is not run\n";
    }

    if (OnPath("assimp")) {
        int status = 0;
        const std::string fromGlb = ShellOutput("assimp info " + glb.string(), &status);
        ASSERT_EQ(status, 0) << fromGlb;
        const std::string fromObj = ShellOutput("assimp info " + obj.string(), &status);
        ASSERT_EQ(status, 0) << fromObj;
        EXPECT_EQ(AssimpCount(fromGlb, "Nodes"), objects + 1); // and the root
        for (const char *count : {"Nodes", "Meshes", "Faces"}) {
            EXPECT_GT(AssimpCount(fromGlb, count), 0) << count;
            EXPECT_EQ(AssimpCount(fromGlb, count), AssimpCount(fromObj, count)) << count;
        }
        // The points as written: assimp's OBJ reader keeps some corners apart that its glTF
        // reader shares, so the OBJ file's own point lines are counted.
        const std::string objText = folder.Read("orgue.obj");
        size_t pointLines = 0;
        for (size_t at = 0; (at = objText.find("\nv ", at)) != std::string::npos; ++at)
            ++pointLines;
        EXPECT_EQ(AssimpCount(fromGlb, "Vertices"), std::stoi(match[2]));
        EXPECT_EQ(pointLines, std::stoul(match[2]));
    } else {
        std::cout << "assimp is not installed: the second reader is not run\n";
    }
}

TEST(CliExport3D, AChestAndScenery) {
    test::TestFolder folder;
    const auto chest =
        Cli("export3d " + Example("tourelle.dat") + " -o " + (folder / "chest.gltf").string());
    ASSERT_EQ(chest.status, 0) << chest.out;
    EXPECT_TRUE(std::filesystem::exists(folder / "chest.bin"));
    const auto withScenery = Cli("export3d " + Example("tourelle.dat") + " --scene " +
                                 Example("eglise.wrl") + " -o " + (folder / "both.glb").string());
    ASSERT_EQ(withScenery.status, 0) << withScenery.out;
    const auto objects = [](const std::string &out) {
        std::smatch match;
        return std::regex_search(out, match, std::regex(R"(: (\d+) objects)")) ? std::stoi(match[1])
                                                                               : -1;
    };
    EXPECT_GT(objects(withScenery.out), objects(chest.out));
}

TEST(CliExport3D, BadRequestsAndUnwritablePlacesAreRefused) {
    test::TestFolder folder;
    EXPECT_EQ(Cli("export3d " + Example("orgue.org") + " -o " + (folder / "x.stl").string()).status,
              2);
    EXPECT_EQ(
        Cli("export3d " + (folder / "absent.org").string() + " -o " + (folder / "y.glb").string())
            .status,
        1);
    EXPECT_FALSE(std::filesystem::exists(folder / "y.glb"));
    folder.Write("file", "not a folder");
    const auto refused =
        Cli("export3d " + Example("orgue.org") + " -o " + (folder / "file" / "z.glb").string(), "",
            true);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("Cannot write the 3D file"), std::string::npos) << refused.out;
    // A folder where the buffer file goes: the older document stays as it was.
    folder.Write("older.gltf", "older");
    std::filesystem::create_directory(folder / "older.bin");
    EXPECT_EQ(
        Cli("export3d " + Example("orgue.org") + " -o " + (folder / "older.gltf").string()).status,
        1);
    EXPECT_EQ(folder.Read("older.gltf"), "older");
}

} // namespace
} // namespace ventrel
