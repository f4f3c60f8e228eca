// Arguments made of two whole numbers: --pan X,Y and --size WxH.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace ventrel::cli {

// "X,Y" or "WxH": two integers within ±1000000 with the given separator and nothing after them.
bool ParsePair(const std::string &text, char separator, int &first, int &second);

// The picture size of --size: width and height from 1 to 8192 pixels.
struct PictureSize {
    int width = 0;
    int height = 0;
};

// Adds --size WxH, checked while the arguments are parsed (a bad size is a usage error); a picture
// that needs room for its content asks for a larger minimum.
CLI::Option *AddSizeOption(CLI::App &command, PictureSize &size, const std::string &help,
                           PictureSize minimum = {1, 1});

} // namespace ventrel::cli
