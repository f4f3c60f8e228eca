// Loading a 2048 x 2048 JPEG: the texture reader against libjpeg-turbo's djpeg and a bare
// libjpeg decoding loop, on the same file in the same run.
#include "image/JpegFile.h"
#include "image/Texture.h"
#include "platform/HeadlessUi.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <jpeglib.h>

extern char **environ;

namespace ventrel {
namespace {

// A photo-like 2048 x 2048 picture (smooth shapes and fine texture), written once per run.
const std::string &LargeJpeg() {
    static const std::string path = [] {
        const int size = 2048;
        std::vector<std::uint8_t> rgb(std::size_t(size) * size * 3);
        std::uint32_t noise = 12345;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                noise = noise * 1664525u + 1013904223u;
                const double wave = std::sin(x * 0.01) * std::cos(y * 0.013);
                const int grain = static_cast<int>(noise >> 28) - 8;
                std::uint8_t *p = &rgb[(std::size_t(y) * size + x) * 3];
                p[0] = static_cast<std::uint8_t>(128 + 90 * wave + grain);
                p[1] = static_cast<std::uint8_t>((x + y) / 16 % 256);
                p[2] = static_cast<std::uint8_t>(160 - 60 * wave + grain);
            }
        const std::string name = (std::filesystem::temp_directory_path() /
                                  ("ventrel-bench-" + std::to_string(getpid()) + ".jpg"))
                                     .string();
        HeadlessUi ui;
        WriteJpeg(ui, name, rgb, size, size, 1, 90);
        std::atexit([] { std::remove(LargeJpeg().c_str()); });
        return name;
    }();
    return path;
}

void TextureReader(benchmark::State &state) {
    HeadlessUi ui;
    for (auto _ : state) {
        CTexture texture(ui);
        if (!texture.ReadFile(LargeJpeg()))
            state.SkipWithError("the JPEG did not load");
        benchmark::DoNotOptimize(texture.GetData());
    }
}
BENCHMARK(TextureReader)->Unit(benchmark::kMillisecond)->UseRealTime();

// libjpeg's decoding loop with nothing around it: the floor any reader can reach.
void BareLibjpeg(benchmark::State &state) {
    std::vector<std::uint8_t> row;
    for (auto _ : state) {
        std::FILE *file = std::fopen(LargeJpeg().c_str(), "rb");
        jpeg_decompress_struct info;
        jpeg_error_mgr errors;
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_stdio_src(&info, file);
        jpeg_read_header(&info, TRUE);
        jpeg_start_decompress(&info);
        std::vector<std::uint8_t> pixels(std::size_t(info.output_width) * info.output_height * 3);
        while (info.output_scanline < info.output_height) {
            JSAMPROW rows[1] = {pixels.data() +
                                std::size_t(info.output_scanline) * info.output_width * 3};
            jpeg_read_scanlines(&info, rows, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        std::fclose(file);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BareLibjpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

// libjpeg-turbo's djpeg decoding the same file to a PPM thrown away (process start included).
void Djpeg(benchmark::State &state) {
    const char *candidates[] = {"/usr/bin/djpeg", "/usr/local/bin/djpeg"};
    const char *djpeg = nullptr;
    for (const char *candidate : candidates)
        if (access(candidate, X_OK) == 0)
            djpeg = candidate;
    if (!djpeg) {
        state.SkipWithError("djpeg not installed (Debian package libjpeg-turbo-progs)");
        return;
    }
    std::string in = LargeJpeg(), outFlag = "-outfile", out = "/dev/null";
    char *argv[] = {const_cast<char *>(djpeg), outFlag.data(), out.data(), in.data(), nullptr};
    for (auto _ : state) {
        pid_t child = 0;
        if (posix_spawn(&child, djpeg, nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("djpeg did not start");
            return;
        }
        int status = 0;
        waitpid(child, &status, 0);
    }
}
BENCHMARK(Djpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace ventrel
