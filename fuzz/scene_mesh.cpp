// Fuzzing the scene files' text mesh reader.
#include "SceneFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    ventrel::fuzz::ReadScene(data, size, "", [](ventrel::Scene &scene, ventrel::V_Lib &lib) {
        lib.ReadMeshScene(scene);
    });
    return 0;
}
