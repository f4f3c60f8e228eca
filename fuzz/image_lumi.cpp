// Fuzzes the luminance/chrominance reader: any bytes as a lumi file (and, for inputs of even
// length, the same bytes as its chrominance file) must load or be refused, never crash.
#include "image/Texture.h"
#include "platform/HeadlessUi.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

std::string Path(const char *ending) {
    return "/tmp/ventrel-fuzz-" + std::to_string(getpid()) + ending;
}

void Write(const std::string &path, const std::uint8_t *data, std::size_t size) {
    if (std::FILE *file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const std::string lumi = Path("-lumi"), chro = Path("-chro");
    Write(lumi, data, size);
    if (size % 2 == 0)
        Write(chro, data, size);
    ventrel::HeadlessUi ui;
    ventrel::CTexture texture(ui);
    texture.ReadFile(lumi, -1, -1, -1);
    std::remove(lumi.c_str());
    std::remove(chro.c_str());
    return 0;
}
