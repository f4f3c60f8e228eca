// A file the user named, as the file dialog hands it over: its bare name and its folders.
#include "DocumentFile.h"

#include "platform/LowerCase.h"

namespace ventrel {

DocumentKind KindOf(const std::filesystem::path &path) {
    const std::string ending = LowerExtension(path);
    if (ending == ".org")
        return DocumentKind::Organ;
    if (ending == ".dat")
        return DocumentKind::Chest;
    if (ending == ".wrl" || ending == ".x" || ending == ".txt")
        return DocumentKind::Scene;
    return DocumentKind::Other;
}

DocumentFile DocumentFile::At(const std::filesystem::path &path) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    return {path.filename().string(), WorkFolder::Both(folder)};
}

DocumentFile DocumentFile::At(const std::filesystem::path &path,
                              const std::filesystem::path &outputFolder) {
    DocumentFile file = At(path);
    file.folder.output = outputFolder.empty() ? std::filesystem::path(".") : outputFolder;
    return file;
}

bool DocumentFile::ReadText(std::string &text, Ui &ui) const {
    return ReadInputFile(Path(), text, ui);
}

} // namespace ventrel
