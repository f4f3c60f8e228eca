// Pictures drawn through a canvas and written as PNG, PDF or SVG files.
#pragma once

#include "platform/Canvas.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QImage;

namespace ventrel {

enum class PictureKind { Png, Pdf, Svg };

// The kind named by a file's ending (".png", ".pdf", ".svg", any case); nothing for others.
std::optional<PictureKind> PictureKindOf(const std::filesystem::path &path);

using Painting = std::function<void(Canvas &)>;

// Paints a width x height picture into an image (32-bit RGB, black before painting).
QImage PaintImage(int width, int height, const Painting &paint);

// Paints a width x height picture and writes it to `path` in the given kind: a PNG image, a PDF
// page of width x height points, or an SVG drawing of that size. The file is replaced only when
// it is completely written; false with a reason in `error` otherwise.
bool WritePicture(const std::filesystem::path &path, PictureKind kind, int width, int height,
                  const Painting &paint, std::string &error);

} // namespace ventrel
