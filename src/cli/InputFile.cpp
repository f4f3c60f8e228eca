// How the batch tool opens an input file: by bare name in its folder, as the file dialog would.
#include "InputFile.h"

#include "platform/Ui.h"

#include <filesystem>

namespace ventrel::cli {

InputFile::InputFile(const std::string &path, const std::string &outputFolder) {
    const std::filesystem::path full(path);
    name = full.filename().string();
    folder.input = full.has_parent_path() ? full.parent_path() : std::filesystem::path(".");
    folder.output = std::filesystem::path(outputFolder.empty() ? "." : outputFolder);
}

bool InputFile::ReadText(std::string &text, Ui &ui) const {
    const auto path = folder.In(name);
    if (ReadWholeFile(path, text))
        return true;
    ui.MessageBox(Format("FICHIER %s ABSENT\n", path.string().c_str()));
    return false;
}

} // namespace ventrel::cli
