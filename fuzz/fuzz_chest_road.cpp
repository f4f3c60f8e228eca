// Fuzzing the whole road of a chest in memory: its description and turret outlines, the layout, the
// valves, the 2D drawing, the plate drawings and the cut list.
#include "chest/CWindchest.h"
#include "chest/ChestDrawing.h"
#include "chest/Drawing2D.h"
#include "fabrication/CutList.h"
#include "fabrication/PlateExport.h"
#include "platform/FatalInputError.h"
#include "platform/HeadlessUi.h"
#include "platform/RecordingCanvas.h"
#include "platform/WorkFolder.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdlib.h>
#include <string>
#include <string_view>

namespace {

// The folder of this process's two outline files, "a.poly" and "b.poly".
const std::filesystem::path &Folder() {
    static const std::filesystem::path folder = [] {
        std::string pattern = "/tmp/ventrel-fuzz-road-XXXXXX";
        if (!mkdtemp(pattern.data()))
            return std::filesystem::path("/tmp");
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(Folder(), ignored);
        });
        return std::filesystem::path(pattern);
    }();
    return folder;
}

void WriteOutline(const char *name, std::string_view text) {
    if (std::FILE *file = std::fopen((Folder() / name).c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
}

} // namespace

// The input is the description, then after a NUL byte the text of a.poly, then after another
// the text of b.poly; the description names them in its TURRET lines.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const size_t first = input.find('\0');
    const std::string_view dat = input.substr(0, first);
    std::string_view rest = first == std::string_view::npos ? "" : input.substr(first + 1);
    const size_t second = rest.find('\0');
    WriteOutline("a.poly", rest.substr(0, second));
    WriteOutline("b.poly", second == std::string_view::npos ? "" : rest.substr(second + 1));

    ventrel::HeadlessUi ui;
    auto chest = std::make_unique<ventrel::CWindchest>();
    try {
        chest->ReadDat(std::string(dat), ventrel::WorkFolder::Both(Folder()), ui);
    } catch (const ventrel::FatalInputError &) {
    }
    chest->Layout();
    ventrel::ValveCounters counters;
    chest->SizeValves(counters);
    ventrel::PlateDxfTexts(*chest);
    ventrel::CutListText(*chest, "fuzz.dat");

    ventrel::RecordingCanvas canvas;
    ventrel::Drawing2D drawing(&canvas, &ui);
    drawing.m_viewWidth = 320;
    drawing.m_viewHeight = 200;
    drawing.m_magnets = &counters;
    ventrel::PaintChestView(drawing, chest.get(), {0, 0, 0}, true);
    return 0;
}
