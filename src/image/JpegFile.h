// JPEG files to and from plain 24-bit pixel buffers, over libjpeg.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ventrel {

class Ui;

// Buffers hold rows top-down, each pixel red, green, blue. Library errors are shown through the Ui
// under the caption "JPEG Fatal Error" with the library's own text; the call then cleans up and
// fails. Nothing here ends the program.

// The pixels of a JPEG file in packed rows (width x 3 bytes each); empty on failure.
std::vector<std::uint8_t> ReadJpeg(Ui &ui, const std::string &name, int &width, int &height);
// The same with each row padded to a multiple of 4 bytes, as bitmaps and OpenGL lay rows out.
// `largestSide` (0: no limit) is the most pixels a side the picture is used at: a larger file is
// decoded at the smallest of the library's reduced scales (1/8 to 7/8) that keeps each side at
// least that long (or whole, when it is shorter), and a file with a side over kJpegScaleLimit
// times that is refused before anything is decoded.
std::vector<std::uint8_t> ReadJpegAligned(Ui &ui, const std::string &name, int &width, int &height,
                                          int largestSide = 0);
// How many times the largest side a picture is used at its file may be.
inline constexpr int kJpegScaleLimit = 8;
// The size in the file's header: 1, or 0 when the file cannot be opened or is not a JPEG.
int ReadJpegSize(Ui &ui, const std::string &name, int &width, int &height);
// Writes packed RGB rows; colour 0 writes a greyscale file. 1 written, 0 failed.
int WriteJpeg(Ui &ui, const std::string &name, std::span<const std::uint8_t> buffer, int width,
              int height, int colour, int quality);

// Packed copy (width x 3 bytes a row) of rows `stride` bytes apart; empty on an empty or short
// source.
std::vector<std::uint8_t> PackRows(std::span<const std::uint8_t> source, int width, int height,
                                   int stride);
// Copy of packed rows into rows padded to a multiple of 4 bytes; the row size is returned in
// `stride`. Empty on an empty or short source.
std::vector<std::uint8_t> AlignRows(std::span<const std::uint8_t> source, int width, int height,
                                    int &stride);

} // namespace ventrel
