// The scene the 3D commands draw or write: an organ, a chest or a scene file, opened as the app
// opens it, with scenery files around it.
#pragma once

#include "app/Document.h"
#include "chest/OrganFile.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <vector>

namespace ventrel {
class Scene;
struct ChestTable;
} // namespace ventrel

namespace ventrel::cli {

struct SceneInput {
    SceneInput();
    ~SceneInput();

    std::string path;
    std::vector<std::string> scenery;

    // The positional input file and --scene.
    void AddTo(CLI::App &command);
    // The input file, read beside itself.
    DocumentFile File() const { return DocumentFile::At(path); }
    // Fills the scene (its texture reader set to the input's folder): a scene file imported, an
    // organ or a chest opened and built, then each scenery file imported. False, with the message
    // shown, when any of them cannot be read.
    bool Build(Scene &scene, Ui &ui);
    // "INPUT: not read whole: ..." for the organ's chests (or the chest) that were not read
    // whole: true when it was said.
    bool SaidUnread(Ui &ui) const;

private:
    OrganFile m_organ;
    std::unique_ptr<ChestTable> m_table;
    std::vector<std::string> m_unread;
};

} // namespace ventrel::cli
