// The example organ drawn offscreen, compared with its approved pictures.
#include "GlRequirement.h"
#include "PictureCheck.h"

#include "app/Document.h"
#include "chest/CWindchest.h"
#include "platform/HeadlessUi.h"
#include "platform/egl/EglContext.h"
#include "render/Snapshot.h"
#include "render/TextureFileReader.h"

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>

namespace ventrel {
namespace {

namespace fs = std::filesystem;

constexpr int kSize = 300;

struct Case {
    const char *name;
    StandardView view;
    bool vector;
};

class OrganPicture : public ::testing::TestWithParam<Case> {};

// The picture, or a null one with `glError` set when no offscreen context can be made.
QImage DrawExampleOrgan(const Case &c, std::string &glError) {
    auto context = EglContext::Create(kSize, kSize, &glError);
    if (!context)
        return {};
    HeadlessUi ui;
    const DocumentFile file =
        DocumentFile::At(fs::path(VENTREL_SOURCE_DIR) / "examples" / "orgue.org");
    OrganFile organ;
    auto chests = std::make_unique<ChestTable>();
    if (!OpenDocument(file, organ, *chests, ui)) {
        ADD_FAILURE() << "no example organ";
        return {};
    }
    QImage picture;
    {
        Scene scene(&ui);
        scene.m_readTexture = TextureFileReader(file.folder.input, ui);
        if (!BuildScene(scene, organ, *chests, ui)) {
            ADD_FAILURE() << "the organ was refused";
            return {};
        }
        PaintSnapshot(scene, kSize, kSize, c.view, c.vector);
        const std::vector<std::uint8_t> rgba = context->ReadRgba();
        picture = QImage(rgba.data(), kSize, kSize, kSize * 4, QImage::Format_RGBA8888)
                      .convertToFormat(QImage::Format_RGB888);
    }
    return picture;
}

TEST_P(OrganPicture, MatchesTheApprovedPicture) {
    const Case &c = GetParam();
    std::string glError;
    const QImage picture = DrawExampleOrgan(c, glError);
    if (picture.isNull() && !glError.empty())
        VENTREL_WITHOUT_GL(glError);
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(test::MatchesReference(picture, fs::path(VENTREL_TEST_DATA) / "reference" /
                                                    (std::string(c.name) + ".png")));
}

INSTANTIATE_TEST_SUITE_P(ExampleOrgan, OrganPicture,
                         ::testing::Values(Case{"front", StandardView::Front, false},
                                           Case{"top", StandardView::Top, false},
                                           Case{"front-vector", StandardView::Front, true},
                                           Case{"top-vector", StandardView::Top, true}),
                         [](const auto &testInfo) {
                             std::string name = testInfo.param.name;
                             for (char &ch : name)
                                 if (ch == '-')
                                     ch = '_';
                             return name;
                         });

} // namespace
} // namespace ventrel
