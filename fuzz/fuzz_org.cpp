// Fuzzing the organ file reader and writer.
#include "chest/CWindchest.h"
#include "chest/OrganFile.h"
#include "platform/HeadlessUi.h"
#include "platform/WorkFolder.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static auto table = std::make_unique<ventrel::ChestTable>();
    ventrel::HeadlessUi ui;
    const auto organ =
        ventrel::OrganFile::Parse(std::string(reinterpret_cast<const char *>(data), size), ui);
    // Chest files are looked for in a folder that does not exist: each chest stays empty.
    ventrel::LoadOrganChests(organ, *table,
                             {"/nonexistent-ventrel-fuzz", "/nonexistent-ventrel-fuzz"}, ui);
    ventrel::OrganFileText(*table);
    return 0;
}
