// ventrel-cli image: the size of a texture image, and its conversion to BMP or RAW.
#include "Commands.h"

#include "image/Texture.h"
#include "platform/LowerCase.h"

#include <nlohmann/json.hpp>

namespace ventrel::cli {

void AddImageCommand(CLI::App &app, Run &run) {
    auto *command = app.add_subcommand(
        "image", "Read a texture image (.bmp, .jpg, .raw, ...lumi); write it as .bmp or .raw");
    struct Options {
        std::string input, output;
        bool json = false;
        int width = -1, height = -1, depth = -1;
    };
    auto options = std::make_shared<Options>();
    command->add_option("image", options->input, "Image file")->required();
    command->add_option("-o,--output", options->output,
                        "Write the image to this file (.bmp: bitmap order; .raw: rows as held)");
    command->add_option("--width", options->width, "Width of a .raw input");
    command->add_option("--height", options->height, "Height of a .raw input");
    command->add_option("--depth", options->depth, "Bits per pixel of a .raw input (24 or 32)");
    command->add_flag("--json", options->json, "Print the image's size as one JSON document");
    command->callback([&run, options] {
        CTexture texture(run.ui);
        if (!texture.ReadFile(options->input, options->width, options->height, options->depth)) {
            run.status = 1;
            return;
        }
        if (!options->output.empty()) {
            // JPEG rows are top-down RGB; a bitmap wants them bottom-up BGR.
            const bool bitmap = EndsWithNoCase(options->output, ".bmp");
            if (bitmap && EndsWithNoCase(options->input, ".jpg"))
                texture.FlipRowsSwapRB();
            if (bitmap && texture.GetDepth() != 24) {
                std::cerr << options->output << ": only 24-bit images are written as BMP\n";
                run.status = 1;
                return;
            }
            if (!texture.SaveFile(options->output)) {
                run.status = 1;
                return;
            }
        }
        if (options->json)
            std::cout << nlohmann::ordered_json{{"file", options->input},
                                                {"width", texture.GetWidth()},
                                                {"height", texture.GetHeight()},
                                                {"depth", texture.GetDepth()},
                                                {"stride", texture.GetWidthByte32()}}
                             .dump(2)
                      << "\n";
        else
            std::cout << options->input << ": " << texture.GetWidth() << " x "
                      << texture.GetHeight() << ", " << texture.GetDepth() << " bits\n";
    });
}

} // namespace ventrel::cli
