// Fuzzes the JPEG reader: any bytes as a .jpg file must decode or be refused, never crash.
#include "image/JpegFile.h"
#include "image/Texture.h"
#include "platform/HeadlessUi.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// One file per process, written for each input and removed after it.
const std::string &InputPath() {
    static const std::string path = "/tmp/ventrel-fuzz-" + std::to_string(getpid()) + ".jpg";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (std::FILE *file = std::fopen(InputPath().c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    ventrel::HeadlessUi ui;
    int width = 0, height = 0;
    ventrel::ReadJpegSize(ui, InputPath(), width, height);
    ventrel::CTexture texture(ui);
    if (texture.ReadFile(InputPath(), -1, -1, -1))
        texture.FlipRowsSwapRB();
    // As the scene reads its textures: at a reduced scale beyond 4096 pixels a side.
    ventrel::CTexture scaled(ui);
    scaled.LimitSide(4096);
    scaled.ReadFile(InputPath(), -1, -1, -1);
    std::remove(InputPath().c_str());
    return 0;
}
