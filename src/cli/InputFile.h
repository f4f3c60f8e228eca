// How the batch tool opens an input file: by bare name in its folder, as the file dialog would.
#pragma once

#include "platform/WorkFolder.h"

#include <string>

namespace ventrel {
class Ui;
}

namespace ventrel::cli {

struct InputFile {
    std::string name;  // the bare name, as the file dialog hands it over
    WorkFolder folder; // input: the file's folder; output: the -C folder

    InputFile(const std::string &path, const std::string &outputFolder);

    // Reads the whole file; false with "FICHIER %s ABSENT\n" shown when it cannot be opened.
    bool ReadText(std::string &text, Ui &ui) const;
};

} // namespace ventrel::cli
