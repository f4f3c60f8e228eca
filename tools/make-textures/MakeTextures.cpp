// Draws the default textures (tin, wood, a carved motif and a mountain-church panorama) from noise
// and simple shapes, and writes them as JPEG files.
//
//   cmake --build BUILD --target make-textures && BUILD/src/image/make-textures resources/textures
//
// Every picture is computed from fixed seeds, so running it again gives the same images. Each one
// repeats seamlessly left to right (and top to bottom except the panorama), as textures wrap.
#include "image/JpegFile.h"
#include "platform/HeadlessUi.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace ventrel {
namespace {

struct Colour {
    double r = 0, g = 0, b = 0;
};

Colour Mix(Colour a, Colour b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scale(Colour c, double f) {
    return {c.r * f, c.g * f, c.b * f};
}

// An RGB picture of packed rows, top row first.
struct Picture {
    Picture(int w, int h) : width(w), height(h), pixels(std::size_t(w) * h * 3) {}
    void Set(int x, int y, Colour c) {
        std::uint8_t *p = &pixels[(std::size_t(y) * width + x) * 3];
        p[0] = static_cast<std::uint8_t>(std::clamp(std::lround(c.r), 0L, 255L));
        p[1] = static_cast<std::uint8_t>(std::clamp(std::lround(c.g), 0L, 255L));
        p[2] = static_cast<std::uint8_t>(std::clamp(std::lround(c.b), 0L, 255L));
    }
    int width, height;
    std::vector<std::uint8_t> pixels;
};

// A random value in [0, 1) for a lattice point.
double Hash(int x, int y, unsigned seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / double(0x1000000);
}

int Wrap(int i, int period) {
    return ((i % period) + period) % period;
}

// Smooth value noise on a lattice that repeats every periodX x periodY cells.
double Noise(double x, double y, int periodX, int periodY, unsigned seed) {
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const auto at = [&](int i, int j) { return Hash(Wrap(i, periodX), Wrap(j, periodY), seed); };
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

// Octaves of noise over the unit square (u, v in [0, 1)), repeating at its edges; about 0..1.
double Fractal(double u, double v, int cellsX, int cellsY, int octaves, unsigned seed) {
    double sum = 0, amplitude = 0.5, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * Noise(u * cellsX, v * cellsY, cellsX, cellsY, seed + o);
        total += amplitude;
        cellsX *= 2;
        cellsY *= 2;
        amplitude *= 0.5;
    }
    return sum / total;
}

// Polished organ-pipe tin: light grey with vertical brushing and a faint mottle.
Picture Tin() {
    Picture picture(256, 256);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const double u = x / 256.0, v = y / 256.0;
            const double brush = Fractal(u, v, 128, 2, 2, 11) - 0.5;
            const double mottle = Fractal(u, v, 4, 4, 4, 23) - 0.5;
            const double spots = std::max(0.0, Fractal(u, v, 16, 16, 3, 37) - 0.62) * 3;
            const double level = 196 + 26 * brush + 20 * mottle + 30 * spots;
            picture.Set(x, y, {level - 3, level, level + 5});
        }
    return picture;
}

// Oak boards: growth rings bent by noise, and fine fibres along the grain.
Picture Wood() {
    Picture picture(256, 256);
    const Colour light{202, 150, 96}, dark{128, 80, 42};
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const double u = x / 256.0, v = y / 256.0;
            const double warp = Fractal(u, v, 2, 4, 3, 5);
            const double ring = 6 * v + 2.0 * warp;
            const double band = std::pow(0.5 + 0.5 * std::sin(2 * M_PI * ring), 3);
            const double fibre = Fractal(u, v, 4, 64, 2, 17) - 0.5;
            const Colour c = Mix(light, dark, 0.75 * band + 0.5 * fibre + 0.1);
            picture.Set(x, y, Scale(c, 0.95 + 0.1 * Fractal(u, v, 8, 8, 2, 29)));
        }
    return picture;
}

// Gilded quatrefoils on a deep red ground, as carved on organ cases.
Picture Motif() {
    Picture picture(256, 256);
    const Colour ground{96, 18, 28}, gold{222, 182, 72}, shadow{120, 84, 24};
    constexpr int kCell = 64, kSamples = 4;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            Colour sum;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    // Position in the cell, -1..1 both ways.
                    const double px = (x % kCell + (sx + 0.5) / kSamples) / kCell * 2 - 1;
                    const double py = (y % kCell + (sy + 0.5) / kSamples) / kCell * 2 - 1;
                    double lobe = 1e9;
                    for (auto [cx, cy] :
                         {std::pair{0.42, 0.0}, {-0.42, 0.0}, {0.0, 0.42}, {0.0, -0.42}})
                        lobe = std::min(lobe, std::hypot(px - cx, py - cy) - 0.4);
                    const double ring = std::abs(lobe) - 0.07;
                    const double diamond = std::abs(std::abs(px) + std::abs(py) - 1.55) - 0.05;
                    const double centre = std::hypot(px, py) - 0.14;
                    Colour c = ground;
                    if (ring < 0 || diamond < 0 || centre < 0) {
                        // Light from the upper left on the raised gilding.
                        const double relief = std::clamp(0.6 - 0.35 * (px + py), 0.0, 1.0);
                        c = Mix(shadow, gold, relief);
                    } else if (lobe < 0) {
                        c = Scale(ground, 0.8);
                    }
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            picture.Set(x, y, Scale(sum, 1.0 / (kSamples * kSamples)));
        }
    return picture;
}

// Height of a skyline (0 at the bottom, 1 at the top) along the panorama, repeating around it.
double Ridge(double u, int cells, double base, double range, unsigned seed) {
    return base + range * Fractal(u, 0.0, cells, 1, 5, seed);
}

// A mountain valley seen all around, with a village church on a hill.
Picture Panorama() {
    Picture picture(2048, 512);
    const Colour zenith{70, 120, 196}, horizon{196, 214, 232};
    const Colour far{118, 136, 168}, snow{236, 240, 246}, near{72, 104, 58};
    const Colour meadow{104, 150, 70}, wall{232, 226, 210}, roof{92, 78, 74};
    // The church stands at a third of the way round, on the near hill.
    const double churchU = 0.33;
    const double hill = Ridge(churchU, 6, 0.22, 0.16, 71);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const double u = x / 2048.0;
            const double h = 1.0 - (y + 0.5) / 512.0; // 0 at the bottom, 1 at the top
            Colour c = Mix(horizon, zenith, (h - 0.35) / 0.65);
            // Clouds drawn out sideways, fading towards the horizon.
            const double cloud = Fractal(u, h, 12, 8, 5, 53);
            const double high = std::clamp((h - 0.45) / 0.25, 0.0, 1.0);
            c = Mix(c, {246, 246, 250}, high * std::clamp((cloud - 0.52) * 3.5, 0.0, 0.85));
            const double mountain = Ridge(u, 8, 0.38, 0.38, 61);
            if (h < mountain) {
                // Lit slopes and shaded gullies, paler with distance near the foot.
                const double slope = Fractal(u, h, 32, 6, 5, 67);
                c = Mix(Scale(far, 0.78), Mix(far, horizon, 0.35), slope + (h - 0.3) * 0.8);
                if (h > 0.56 + 0.06 * Fractal(u, h, 48, 8, 3, 69))
                    c = Mix(c, snow, 0.4 + 0.5 * slope);
            }
            const double near1 = Ridge(u, 6, 0.22, 0.16, 71);
            if (h < near1)
                c = Mix(near, Scale(near, 0.7), Fractal(u, h, 128, 32, 3, 73));
            if (h < 0.14)
                c = Mix(meadow, Scale(meadow, 0.75), Fractal(u, h, 256, 16, 3, 79) + h);
            // The church: nave, roof, tower and spire, standing on the hill.
            // Pixels from the church's centre, as seen once the picture is wrapped round a
            // cylinder as wide all round as 2 pi times its height (1.57 times wider than here).
            const double dx = (u - churchU) * 2048.0 * 1.57;
            const double dy = (h - hill) * 512.0; // pixels above the hilltop
            if (dy > -6 && dy < 34 && dx > -60 && dx < 30)
                c = wall;
            if (dy >= 34 && dy < 34 + (30 - std::abs(dx + 15) * 0.5) && dx > -62 && dx < 32)
                c = roof;
            if (dx >= 30 && dx < 52 && dy > -6 && dy < 78)
                c = Scale(wall, 0.92);
            if (dx >= 36 && dx < 46 && dy > 52 && dy < 66)
                c = {60, 50, 48};
            if (dy >= 78 && dy < 78 + 60 - std::abs(dx - 41) * 5.5)
                c = roof;
            if (dx > -50 && dx < 20 && dy > 8 && dy < 24 && std::fmod(dx + 60, 14) < 5)
                c = {70, 76, 96};
            picture.Set(x, y, c);
        }
    return picture;
}

int Main(int argc, char **argv) {
    const std::filesystem::path folder = argc > 1 ? argv[1] : "resources/textures";
    std::filesystem::create_directories(folder);
    HeadlessUi ui(&std::cerr);
    const struct {
        const char *name;
        Picture (*draw)();
    } textures[] = {{"tin.jpg", Tin},
                    {"wood.jpg", Wood},
                    {"motif.jpg", Motif},
                    {"mont_eglise_renverse.jpg", Panorama}};
    for (const auto &texture : textures) {
        const Picture picture = texture.draw();
        const std::string path = (folder / texture.name).string();
        if (!WriteJpeg(ui, path, picture.pixels, picture.width, picture.height, 1, 88))
            return 1;
        std::printf("%s %dx%d\n", path.c_str(), picture.width, picture.height);
    }
    return 0;
}

} // namespace
} // namespace ventrel

int main(int argc, char **argv) {
    return ventrel::Main(argc, argv);
}
