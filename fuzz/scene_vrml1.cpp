// Fuzzing the scene files' VRML 1.0 object reader.
#include "SceneFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    ventrel::fuzz::ReadScene(
        data, size, "#VRML V1.0 ascii\n",
        [](ventrel::Scene &scene, ventrel::V_Lib &lib) { read_file(scene, lib); });
    return 0;
}
