// Small helpers for building description texts and reading them in tests.
#pragma once

#include "chest/CWindchest.h"
#include "platform/HeadlessUi.h"
#include "platform/WorkFolder.h"

#include <string>
#include <vector>

namespace ventrel::test {

// One stop section in French, with every pipe list given explicitly.
struct StopSpec {
    std::string name = "Montre8";
    int incx = 1;
    std::string shape = "ROND";
    int x0 = 0, y0 = 0;
    int first = 1;
    std::vector<int> diameters = {40, 38};
    std::vector<int> holes;   // defaults to 10 each
    std::vector<int> feet;    // defaults to 20 each
    std::vector<int> lengths; // defaults to 1000 each
    std::string before;       // lines before the stop line (gap, MIXTURE)
    std::string extra;        // lines after the stop line (DIATONIQUE, SLIDER)
    std::string after;        // lines after the lengths (TURRET)
};

inline std::string Join(const std::vector<int> &values) {
    std::string text;
    for (int v : values)
        text += std::to_string(v) + " ";
    return text + "\n";
}

inline std::string StopText(const StopSpec &section) {
    const size_t n = section.diameters.size();
    auto orDefault = [n](const std::vector<int> &values, int fill) {
        return values.empty() ? std::vector<int>(n, fill) : values;
    };
    std::string text = section.before + "JEU " + section.name + "\n" + section.extra;
    text += "NTUYAUX " + std::to_string(n) + "\nTUYAU1 " + std::to_string(section.first) +
            "\nINCX " + std::to_string(section.incx) + "\nFORME:" + section.shape + "\nXY0 " +
            std::to_string(section.x0) + " " + std::to_string(section.y0) + "\n";
    text += Join(section.diameters) + Join(orDefault(section.holes, 10)) +
            Join(orDefault(section.feet, 20));
    text += "HAUTEURS\n";
    // The lengths line ends right after its last digit so that the next section starts one
    // character later, where an optional gap line is recognised.
    std::string lengths = Join(orDefault(section.lengths, 1000));
    if (lengths.size() >= 2)
        lengths.erase(lengths.size() - 2);
    return text + lengths + "\n" + section.after;
}

inline void Read(CWindchest &chest, const std::string &text, Ui &ui,
                 const WorkFolder &folder = WorkFolder{}) {
    chest.ReadDat(text, folder, ui);
}

} // namespace ventrel::test
