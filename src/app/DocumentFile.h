// A file the user named, as the file dialog hands it over: its bare name and its folders.
#pragma once

#include "platform/WorkFolder.h"

#include <filesystem>
#include <string>

namespace ventrel {

class Ui;

// What kind of document a file holds, by its extension in any case: scene files (VRML, text meshes,
// footprints, terrain grids) are imported rather than built.
enum class DocumentKind { Organ, Chest, Scene, Other };
DocumentKind KindOf(const std::filesystem::path &path);

// Bare names the file refers to (turret outlines, an organ's chests, textures) are read in its
// folder; outputs go to the output folder.
struct DocumentFile {
    std::string name;
    WorkFolder folder;

    // Reads and writes beside the file, as the desktop does.
    static DocumentFile At(const std::filesystem::path &path);
    // Reads beside the file, writes into `outputFolder` (the current folder when empty).
    static DocumentFile At(const std::filesystem::path &path,
                           const std::filesystem::path &outputFolder);

    std::filesystem::path Path() const { return folder.In(name); }
    DocumentKind Kind() const { return KindOf(name); }
    // The whole file; false with "FICHIER <path> ABSENT\n" shown when it cannot be read.
    bool ReadText(std::string &text, Ui &ui) const;
};

} // namespace ventrel
