// Importing one scene file into the scene: its kind, the reading, and appending what was read.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ventrel {

class Scene;
class Ui;

enum class SceneKind { Vrml, Mesh, Footprint, Terrain };

// "vrml", "mesh", "footprint", "terrain"; nothing for another word.
std::optional<SceneKind> SceneKindFromName(std::string_view name);
const char *SceneKindName(SceneKind kind);
// The kind of a file from the start of its text, then its extension: "#VRML" or .wrl is VRML,
// "xof " or .x a text mesh, "BAT." or "BOIS" near the start footprints, other .txt a terrain grid.
SceneKind GuessSceneKind(const std::filesystem::path &file, std::string_view head);

struct SceneImportResult {
    // True when the file was read (its objects, possibly none, were appended).
    bool read = false;
    bool cancelled = false;
    // Index of the first object appended and how many were.
    int first = 0;
    int added = 0;
};

struct SceneImportOptions {
    std::optional<SceneKind> kind; // guessed when absent
    // Called now and then with the bytes read and the file's length; false cancels the import.
    std::function<bool(std::size_t done, std::size_t total)> progress;
};

// Reads the file into a scene of its own and, when it was read and not cancelled, appends its
// objects, lights, textures and script to `scene`; a refused or cancelled file leaves `scene` as
// it was. Messages go to ui.
SceneImportResult ImportScene(Scene &scene, const std::filesystem::path &file, Ui *ui,
                              const SceneImportOptions &options = {});

// Moves every object, light and texture of `from` to the end of `into` (textures shared by file
// name); objects beyond the capacity of `into` are refused with its message.
void AppendScene(Scene &into, Scene &from);

} // namespace ventrel
