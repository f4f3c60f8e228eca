// Fuzzes the BMP reader: any bytes as a .bmp file must load or be refused, never crash.
#include "image/Texture.h"
#include "platform/HeadlessUi.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// One file per process, written for each input and removed after it.
const std::string &InputPath() {
    static const std::string path = "/tmp/ventrel-fuzz-" + std::to_string(getpid()) + ".bmp";
    return path;
}

void WriteInput(const std::string &path, const std::uint8_t *data, std::size_t size) {
    if (std::FILE *file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    WriteInput(InputPath(), data, size);
    ventrel::HeadlessUi ui;
    ventrel::CTexture texture(ui);
    if (texture.ReadFile(InputPath(), -1, -1, -1)) {
        // Whatever loaded must survive the operations run on textures.
        texture.FlipRowsSwapRB();
        texture.Extract(0, 0, -1, -1);
        texture.AddAlphaLayer(128);
    }
    std::remove(InputPath().c_str());
    return 0;
}
