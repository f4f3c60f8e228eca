// The example organ drawn offscreen, compared with approved pictures within a tolerance.
#include "chest/CWindchest.h"
#include "chest/OrganFile.h"
#include "organ3d/Organ3D.h"
#include "platform/HeadlessUi.h"
#include "platform/WorkFolder.h"
#include "platform/egl/EglContext.h"
#include "render/Snapshot.h"
#include "render/TextureFileReader.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <filesystem>

namespace ventrel {
namespace {

namespace fs = std::filesystem;

constexpr int kSize = 300;
// A pixel differs when one of its channels is off by more than this...
constexpr int kChannelTolerance = 48;
// ...and a picture matches when at most this share of its pixels differ.
constexpr double kPixelShare = 0.01;

struct Case {
    const char *name;
    StandardView view;
    bool vector;
};

class OrganPicture : public ::testing::TestWithParam<Case> {};

QImage DrawExampleOrgan(const Case &c, std::string &error) {
    auto context = EglContext::Create(kSize, kSize, &error);
    if (!context)
        return {};
    HeadlessUi ui;
    const WorkFolder folder = WorkFolder::Both(fs::path(VENTREL_SOURCE_DIR) / "examples");
    std::string text;
    if (!ReadWholeFile(folder.In("orgue.org"), text)) {
        error = "no example organ";
        return {};
    }
    const OrganFile organ = OrganFile::Parse(text, ui);
    auto chests = std::make_unique<ChestTable>();
    LoadOrganChests(organ, *chests, folder, ui);
    QImage picture;
    {
        Scene scene(&ui);
        scene.m_readTexture = TextureFileReader(folder.input, ui);
        if (!BuildOrgan3D(scene, organ, *chests, &ui)) {
            error = "the organ was refused";
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
    std::string error;
    const QImage picture = DrawExampleOrgan(c, error);
    if (picture.isNull()) {
        if (error == "no example organ")
            GTEST_SKIP() << error;
        GTEST_SKIP() << "no offscreen OpenGL: " << error;
    }
    const fs::path reference =
        fs::path(VENTREL_TEST_DATA) / "reference" / (std::string(c.name) + ".png");
    if (std::getenv("VENTREL_UPDATE_REFERENCES")) {
        fs::create_directories(reference.parent_path());
        ASSERT_TRUE(picture.save(QString::fromStdString(reference.string()), "PNG"));
        GTEST_SKIP() << "reference written: " << reference;
    }
    QImage expected(QString::fromStdString(reference.string()));
    ASSERT_FALSE(expected.isNull()) << "missing reference " << reference;
    expected = expected.convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(expected.size(), picture.size());

    QImage diff(picture.size(), QImage::Format_RGB888);
    diff.fill(Qt::black);
    long differing = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb a = picture.pixel(x, y), b = expected.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b))});
            if (d > kChannelTolerance) {
                ++differing;
                diff.setPixel(x, y, qRgb(255, 0, 0));
            }
        }
    const double share = static_cast<double>(differing) / (kSize * kSize);
    if (share > kPixelShare) {
        // Beside the test binary: what was drawn and where it differs.
        picture.save(QString::fromStdString(std::string(c.name) + ".out.png"), "PNG");
        diff.save(QString::fromStdString(std::string(c.name) + ".diff.png"), "PNG");
    }
    EXPECT_LE(share, kPixelShare) << differing << " pixels differ; see " << c.name
                                  << ".out.png and .diff.png in the test's folder";
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
