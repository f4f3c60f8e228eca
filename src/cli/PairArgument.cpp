// Arguments made of two whole numbers: --pan X,Y and --size WxH.
#include "PairArgument.h"

#include <charconv>

namespace ventrel::cli {
namespace {

constexpr int kMaxPictureSide = 8192;
// Beyond this no picture makes sense, and sums of such numbers could overflow.
constexpr int kMaxCoordinate = 1000000;

} // namespace

bool ParsePair(const std::string &text, char separator, int &first, int &second) {
    const char *end = text.data() + text.size();
    auto number = [end](const char *from, int &value) -> const char * {
        const auto [next, error] = std::from_chars(from, end, value);
        return error == std::errc() && value >= -kMaxCoordinate && value <= kMaxCoordinate
                   ? next
                   : nullptr;
    };
    const char *at = number(text.data(), first);
    if (!at || at == end || *at != separator)
        return false;
    at = number(at + 1, second);
    return at == end;
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
