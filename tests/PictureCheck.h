// The one comparison of a drawn picture with its reference image, for every picture test.
#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>

namespace ventrel::test {

// A pixel differs when one of its channels is off by more than this; a picture matches when at
// most kMaxDifferingShare of its pixels differ (fonts and their hinting, and OpenGL rasterisers,
// vary between machines).
inline constexpr int kChannelTolerance = 48;
inline constexpr double kMaxDifferingShare = 0.02;

// Compares the picture with the reference file. On a mismatch the picture and a map of the
// differing pixels are written as NAME.out.png and NAME.diff.png into the build tree's
// picture-failures folder, named in the failure. With VENTREL_UPDATE_REFERENCES=1 the picture
// becomes the reference instead, to be looked at before it is committed.
::testing::AssertionResult MatchesReference(const QImage &picture,
                                            const std::filesystem::path &reference);

// The folder the failing pictures are written into.
std::filesystem::path PictureFailureFolder();

} // namespace ventrel::test
