// Finding the default textures, and the textures shipped with the program.
#include "ImageTestSupport.h"
#include "TestFolder.h"

#include "image/Texture.h"
#include "image/TextureLookup.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

using test::TestFolder;

TEST(TextureLookup, TheWorkFolderComesFirstThenTheProgramsOwnTextures) {
    TestFolder folder;
    // The program's own textures: the copy at the top of the build tree, never the source folder.
    const std::filesystem::path own = InstalledTextureFolder();
    ASSERT_FALSE(own.empty());
    EXPECT_EQ(own.filename(), "textures");
    EXPECT_EQ(own.parent_path().filename(), "ventrel");
    EXPECT_NE(std::filesystem::weakly_canonical(own),
              std::filesystem::weakly_canonical(std::filesystem::path(VENTREL_SOURCE_DIR) /
                                                "resources/textures"));
    EXPECT_EQ(FindTexture("tin.jpg", folder.Path()), own / "tin.jpg");
    folder.Write("tin.jpg", "mine");
    EXPECT_EQ(FindTexture("tin.jpg", folder.Path()), folder / "tin.jpg");
    // Unknown names and names with a folder stay in the work folder.
    EXPECT_EQ(FindTexture("nowhere.jpg", folder.Path()), folder / "nowhere.jpg");
    EXPECT_EQ(FindTexture("sub/wood.jpg", folder.Path()), folder.Path() / "sub/wood.jpg");
    EXPECT_EQ(FindTexture("/abs/wood.jpg", folder.Path()), "/abs/wood.jpg");
}

TEST(TextureLookup, TheShippedTexturesLoad) {
    const struct {
        const char *name;
        int width, height;
    } shipped[] = {{"tin.jpg", 256, 256},
                   {"wood.jpg", 256, 256},
                   {"motif.jpg", 256, 256},
                   {"mont_eglise_renverse.jpg", 2048, 512}};
    TestFolder empty;
    for (const auto &texture : shipped) {
        SCOPED_TRACE(texture.name);
        HeadlessUi ui;
        CTexture image(ui);
        ASSERT_EQ(image.ReadFile(FindTexture(texture.name, empty.Path()).string()), 1);
        EXPECT_EQ(image.GetWidth(), texture.width);
        EXPECT_EQ(image.GetHeight(), texture.height);
        EXPECT_EQ(image.IsPowerOf2Size(), 1);
        EXPECT_TRUE(ui.Messages().empty());
    }
}

} // namespace
} // namespace ventrel
