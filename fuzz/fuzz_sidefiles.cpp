// Fuzzing the stop, circle and wooden-pipe file readers with one input each.
#include "chest/CWindchest.h"
#include "chest/PipeBoards.h"
#include "chest/StopFile.h"
#include "platform/FatalInputError.h"
#include "platform/HeadlessUi.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static auto chest = std::make_unique<ventrel::CWindchest>();
    const std::string text(reinterpret_cast<const char *>(data), size);
    ventrel::HeadlessUi ui;

    try {
        chest->ReadCircles(text, ui);
    } catch (const ventrel::FatalInputError &) {
        // A negative radius is refused with the line it stands on.
    }

    chest->m_stop_count = 0;
    ventrel::ReadStopFile(*chest, text, ui);
    ventrel::ReadStopFile(*chest, text, ui);
    chest->Layout();

    ventrel::PipeBoards boards;
    boards.Read(text, ui);
    return 0;
}
