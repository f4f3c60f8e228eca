// Scene files written by other people: each is imported or refused with a message.
#include "TestFolder.h"
#include "platform/HeadlessUi.h"
#include "render/Scene.h"
#include "render/TextureFileReader.h"
#include "sceneio/SceneImport.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

std::vector<std::filesystem::path> FilesUnder(const std::filesystem::path &folder,
                                              const std::vector<std::string> &endings) {
    std::vector<std::filesystem::path> files;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        for (const std::string &ending : endings)
            if (entry.is_regular_file() && name.size() >= ending.size() &&
                name.compare(name.size() - ending.size(), ending.size(), ending) == 0)
                files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

struct Imported {
    HeadlessUi ui;
    Scene scene{&ui};
    SceneImportResult result;
    explicit Imported(const std::filesystem::path &file) {
        scene.m_readTexture = TextureFileReader(file.parent_path(), ui);
        result = ImportScene(scene, file, &ui);
    }
};

class RealFiles : public ::testing::Test {
protected:
    void SetUp() override {
        if (test::RealData().empty())
            GTEST_SKIP() << "no ../shared/realdata beside the checkout";
    }
    std::filesystem::path Data(const std::string &name) { return test::RealData() / name; }
};

TEST_F(RealFiles, EveryFileIsImportedOrRefusedWithAMessage) {
    int read = 0, refused = 0;
    for (const char *folder : {"vrml1", "vrml2", "x"})
        for (const auto &file : FilesUnder(Data(folder), {".wrl", ".x", ".X", ".gz"})) {
            SCOPED_TRACE(file.string());
            Imported imported(file);
            if (imported.result.read) {
                ++read;
                EXPECT_GE(imported.result.added, 1);
                for (int i = 0; i < imported.scene.m_nbobject; ++i) {
                    const CObject3D &o = *imported.scene.Object(i);
                    EXPECT_EQ(static_cast<int>(o.m_vertices.size()), o.nbpts);
                    EXPECT_EQ(static_cast<int>(o.m_index.size()), o.nbindex);
                }
            } else {
                ++refused;
                EXPECT_FALSE(imported.ui.Messages().empty());
            }
        }
    EXPECT_GT(read, 30);
    EXPECT_EQ(refused, 5); // the compressed VRML file and the four files of x/bad
}

TEST_F(RealFiles, BinaryCompressedAndEmptyMeshesAreRefused) {
    for (const auto &file : FilesUnder(Data("x/bad"), {".x"})) {
        Imported imported(file);
        EXPECT_FALSE(imported.result.read) << file;
        EXPECT_EQ(imported.scene.m_nbobject, 0);
    }
}

TEST_F(RealFiles, InlineChainsResolveBesideEachFileAndSelfInliningEnds) {
    Imported chain(Data("vrml1/inline_test.wrl"));
    ASSERT_TRUE(chain.result.read);
    // The chain reaches subdir1/subdir2/texture_test.wrl, whose points are read.
    bool found = false;
    for (int i = 0; i < chain.scene.m_nbobject; ++i)
        found = found || chain.scene.Object(i)->nbpts > 0;
    EXPECT_TRUE(found);

    Imported self(Data("vrml2/warnings/errors/recurse_inline.wrl"));
    EXPECT_TRUE(self.result.read);
}

TEST_F(RealFiles, TexturesAreFoundBesideTheSceneFile) {
    Imported castle(Data("vrml1/castle.wrl"));
    ASSERT_TRUE(castle.result.read);
    EXPECT_GT(castle.scene.m_nbobject, 5);
    EXPECT_GE(castle.scene.m_textures.size(), 3u);
    Imported tiger(Data("x/tiger.x"));
    ASSERT_TRUE(tiger.result.read);
    const CObject3D &mesh = *tiger.scene.Object(0);
    EXPECT_GT(mesh.nbpts, 100);
    EXPECT_GT(mesh.nbface, 100);
    EXPECT_EQ(mesh.nbtexvertex, mesh.nbpts);
}

} // namespace
} // namespace ventrel
