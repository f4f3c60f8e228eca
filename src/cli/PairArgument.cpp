// Arguments made of two whole numbers: --pan X,Y and --size WxH.
#include "PairArgument.h"

#include <cstdio>

namespace ventrel::cli {
namespace {

constexpr int kMaxPictureSide = 8192;

} // namespace

bool ParsePair(const std::string &text, char separator, int &first, int &second) {
    char sep = 0;
    char rest = 0;
    return std::sscanf(text.c_str(), "%d%c%d%c", &first, &sep, &second, &rest) == 3 &&
           sep == separator;
}

CLI::Option *AddSizeOption(CLI::App &command, PictureSize &size, const std::string &help,
                           PictureSize minimum) {
    return command
        .add_option_function<std::string>(
            "--size",
            [&size, minimum](const std::string &text) {
                int width = 0, height = 0;
                if (!ParsePair(text, 'x', width, height) || width < minimum.width ||
                    height < minimum.height || width > kMaxPictureSide || height > kMaxPictureSide)
                    throw CLI::ValidationError(
                        "--size", "expected WxH between " + std::to_string(minimum.width) + "x" +
                                      std::to_string(minimum.height) + " and " +
                                      std::to_string(kMaxPictureSide) + "x" +
                                      std::to_string(kMaxPictureSide));
                size = {width, height};
            },
            help)
        ->type_name("WxH");
}

} // namespace ventrel::cli
