// Fuzzing the description reader, then the layout and valve sizing of whatever it read.
#include "chest/CWindchest.h"
#include "fabrication/CutList.h"
#include "platform/FatalInputError.h"
#include "platform/HeadlessUi.h"
#include "platform/WorkFolder.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static auto chest = std::make_unique<ventrel::CWindchest>();
    ventrel::HeadlessUi ui;
    const ventrel::WorkFolder nowhere{"/nonexistent-ventrel-fuzz", "/nonexistent-ventrel-fuzz"};
    try {
        chest->ReadDat(std::string(reinterpret_cast<const char *>(data), size), nowhere, ui);
    } catch (const ventrel::FatalInputError &) {
    }
    chest->Layout();
    ventrel::ValveCounters counters;
    chest->SizeValves(counters);
    ventrel::CutListText(*chest, "fuzz.dat");
    return 0;
}
