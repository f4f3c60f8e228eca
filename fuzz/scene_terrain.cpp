// Fuzzing the scene files' terrain grid reader.
#include "SceneFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    ventrel::fuzz::ReadScene(data, size, "", [](ventrel::Scene &scene, ventrel::V_Lib &lib) {
        lib.ReadTerrainScene(scene);
    });
    return 0;
}
