// The one comparison of a drawn picture with its reference image, for every picture test.
#include "PictureCheck.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace ventrel::test {

namespace fs = std::filesystem;

fs::path PictureFailureFolder() {
    return fs::path(VENTREL_PICTURE_FAILURES);
}

::testing::AssertionResult MatchesReference(const QImage &drawn, const fs::path &reference) {
    const QImage picture = drawn.convertToFormat(QImage::Format_RGB888);
    if (std::getenv("VENTREL_UPDATE_REFERENCES")) {
        fs::create_directories(reference.parent_path());
        if (!picture.save(QString::fromStdString(reference.string()), "PNG"))
            return ::testing::AssertionFailure() << "cannot write " << reference;
        return ::testing::AssertionSuccess() << "reference written: " << reference;
    }
    QImage expected(QString::fromStdString(reference.string()));
    if (expected.isNull())
        return ::testing::AssertionFailure() << "missing reference " << reference;
    expected = expected.convertToFormat(QImage::Format_RGB888);

    long long differing = static_cast<long long>(picture.width()) * picture.height();
    QImage diff(picture.size(), QImage::Format_RGB888);
    diff.fill(Qt::black);
    if (expected.size() == picture.size()) {
        differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb a = picture.pixel(x, y), b = expected.pixel(x, y);
                const int d =
                    std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
                if (d > kChannelTolerance) {
                    ++differing;
                    diff.setPixel(x, y, qRgb(255, 0, 0));
                }
            }
    }
    const long long pixels =
        std::max(1LL, static_cast<long long>(picture.width()) * picture.height());
    const double share = static_cast<double>(differing) / static_cast<double>(pixels);
    if (share <= kMaxDifferingShare)
        return ::testing::AssertionSuccess();

    const fs::path folder = PictureFailureFolder();
    fs::create_directories(folder);
    const std::string stem = reference.stem().string();
    const fs::path out = folder / (stem + ".out.png");
    const fs::path map = folder / (stem + ".diff.png");
    picture.save(QString::fromStdString(out.string()), "PNG");
    diff.save(QString::fromStdString(map.string()), "PNG");
    return ::testing::AssertionFailure()
           << reference.filename() << ": " << differing << " of " << pixels
           << " pixels differ (at most " << kMaxDifferingShare * 100 << "% may); see " << out
           << " and " << map;
}

} // namespace ventrel::test
