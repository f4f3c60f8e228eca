// Reading the scene's texture files through the image library.
#pragma once

#include "render/SceneTexture.h"

#include <filesystem>

namespace ventrel {

class Ui;

// A reader that finds a bare texture name in the work folder, then among the installed default
// textures, reads it (BMP, JPEG, RAW, luminance files) and hands its pixels over as top-down packed
// rows. Failures are shown through ui; the object then stays untextured.
TextureReader TextureFileReader(const std::filesystem::path &workFolder, Ui &ui);

} // namespace ventrel
