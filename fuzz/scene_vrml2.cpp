// Fuzzing the scene files' VRML 2.0 object reader.
#include "SceneFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    ventrel::fuzz::ReadScene(
        data, size, "#VRML V2.0 utf8\n",
        [](ventrel::Scene &scene, ventrel::V_Lib &lib) { read_file(scene, lib); });
    return 0;
}
