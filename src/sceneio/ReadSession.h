// What the readers of one import share: the files already read, the scratch tables, progress.
#pragma once

#include "math/Vec.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace ventrel {

class Ui;

// One import of a scene file, with the inline files it pulls in. Every V_Lib of the import points
// to the same session, so a file is read once however often it is inlined, and the scratch tables
// are allocated once.
struct ReadSession {
    Ui *ui = nullptr;
    // Canonical paths of the files read so far in this import.
    std::set<std::filesystem::path> filesRead;
    // Scratch tables, grown as needed up to the limits of SceneLimits.h.
    std::vector<float> numbers;
    std::vector<Vec2> pairs;
    std::vector<int> indexes;
    // Called now and then with the bytes of the top file read so far and its length; returning
    // false cancels the import.
    std::function<bool(std::size_t done, std::size_t total)> progress;
    bool cancelled = false;
    // Off, inline files are not opened (fuzzing reads texts alone).
    bool readInlines = true;
    // Overflow messages already shown in this import (one of each kind is enough).
    std::set<std::string> reported;

    // Shows text once per import.
    void ReportOnce(const std::string &key, const std::string &text);
};

} // namespace ventrel
