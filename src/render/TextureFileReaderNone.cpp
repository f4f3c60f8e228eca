// Texture files for the scene when the program is built without the image library: none load.
#include "render/TextureFileReader.h"

namespace ventrel {

TextureReader TextureFileReader(const std::filesystem::path & /*workFolder*/, Ui & /*ui*/) {
    return {};
}

} // namespace ventrel
