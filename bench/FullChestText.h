// The text of a chest at full capacity (100 stops of 80 pipes, every placement rule), shared by
// the benchmarks that read one.
#pragma once

#include "platform/HeadlessUi.h"

#include <algorithm>
#include <filesystem>
#include <stdlib.h>
#include <string>

namespace ventrel::bench {

inline std::string Numbers(int count, int first, int step, int least) {
    std::string text;
    for (int k = 0; k < count; ++k)
        text += std::to_string(std::max(least, first - step * k / 8)) + (k % 16 == 15 ? "\n" : " ");
    return text + "\n";
}

// One stop section; `lines` holds the optional lines after the stop line.
inline std::string Stop(const std::string &name, const std::string &before,
                        const std::string &lines, int incx, const char *shape, int y0) {
    std::string text = before + "JEU " + name + "\n" + lines + "NTUYAUX 80\nTUYAU1 1\nINCX " +
                       std::to_string(incx) + "\nFORME:" + shape + "\nXY0 20 " +
                       std::to_string(y0) + "\n";
    text += Numbers(80, 90, 6, 12) + Numbers(80, 30, 2, 6) + Numbers(80, 40, 3, 8);
    text += "HAUTEURS\n" + Numbers(80, 2400, 160, 40);
    text.pop_back(); // the next section starts right after the last length
    return text;
}

// Diatonic lines first (they are searched forward), then a mixture group, a slider master with its
// sliders, and rows and columns of round and square pipes.
inline std::string FullChestText() {
    std::string text = "TROUCENTRAL 0 500\n";
    int y = 20;
    auto next = [&y] { return y += 300; };
    text += Stop("Montre8", "", "DIATONIQUE 3000\n", 3, "ROND", y);
    text += Stop("Salicional8", "", "DIATONIQUE 3000\n", 33, "ROND", next());
    for (int r = 0; r < 5; ++r)
        text += Stop("Fourniture" + std::to_string(r), "MIXTURE\n", "", 1, "ROND", next());
    text += Stop("Gedackt8", "", "SLIDER 2\n", 3, "ROND", next());
    const int incx[] = {1, -1, 2, -2};
    const char *shapes[] = {"ROND", "CARRE"};
    for (int s = 8; s < 100; ++s) {
        const std::string slider = s % 7 == 0 ? "SLIDER 1\n" : "";
        text +=
            Stop("Jeu" + std::to_string(s), "", slider, incx[s % 4], shapes[(s / 4) % 2], next());
    }
    return text;
}

// The full chest's text, a silent Ui and a temporary folder for what the benchmarks write.
struct Fixture {
    std::string text = FullChestText();
    HeadlessUi ui;
    std::filesystem::path folder;
    Fixture() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ventrel-bench-XXXXXX").string();
        folder = mkdtemp(pattern.data());
    }
    ~Fixture() { std::filesystem::remove_all(folder); }
};

inline Fixture &Shared() {
    static Fixture fixture;
    return fixture;
}

} // namespace ventrel::bench
