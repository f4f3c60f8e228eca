// The document operations: opening a chest, an organ or a side file, building the scene,
// exporting a chest.
#include "Document.h"

#include "chest/CWindchest.h"
#include "chest/PipeBoards.h"
#include "chest/StopFile.h"
#include "chest/ValveSizing.h"
#include "fabrication/PlateExport.h"
#include "organ3d/Organ3D.h"
#include "platform/FatalInputError.h"
#include "platform/Ui.h"

namespace ventrel {

bool ReadChest(CWindchest &chest, const DocumentFile &file, Ui &ui,
               const DocumentFile *partitions) {
    // Read into a copy, so that a file that cannot be read leaves the chest as it was.
    auto copy = std::make_unique<CWindchest>(chest);
    if (partitions && !copy->ReadDatFile(partitions->name, partitions->folder, ui))
        return false;
    if (partitions && copy->m_rect_count == 0 && copy->m_line_count == 0) {
        ui.MessageBox(Format("%s: no partition (no BARRAGES file with RECT or LINE lines)",
                             partitions->Path().string().c_str()));
        return false;
    }
    if (!copy->ReadDatFile(file.name, file.folder, ui))
        return false;
    chest = *copy;
    return true;
}

ChestOpened OpenChest(CWindchest &chest, const DocumentFile &file, ValveCounters &valves, Ui &ui,
                      const DocumentFile *partitions) {
    if (!ReadChest(chest, file, ui, partitions))
        return {};
    chest.Layout();
    return {true, chest.SizeValves(valves)};
}

ChestOpened OpenStop(CWindchest &chest, const DocumentFile &file, ValveCounters &valves, Ui &ui) {
    std::string text;
    if (!file.ReadText(text, ui))
        return {};
    auto copy = std::make_unique<CWindchest>(chest);
    if (!ReadStopFile(*copy, text, ui))
        return {};
    chest = *copy;
    chest.Layout();
    return {true, chest.SizeValves(valves)};
}

bool OpenOrgan(const DocumentFile &file, OrganFile &organ, ChestTable &table, Ui &ui,
               std::vector<std::string> *unread) {
    std::string text;
    if (!file.ReadText(text, ui))
        return false;
    organ = OrganFile::Parse(text, ui);
    LoadOrganChests(organ, table, file.folder, ui, unread);
    return true;
}

bool OpenDocument(const DocumentFile &file, OrganFile &organ, ChestTable &table, Ui &ui,
                  std::vector<std::string> *unread) {
    if (file.Kind() == DocumentKind::Organ)
        return OpenOrgan(file, organ, table, ui, unread);
    organ.items.clear();
    ValveCounters valves;
    if (!OpenChest(table[0], file, valves, ui).read)
        return false;
    table.count = 1;
    if (unread && table[0].StopCount() == 0)
        unread->push_back(file.name + " (no stop)");
    return true;
}

bool BuildScene(Scene &scene, const OrganFile &organ, ChestTable &table, Ui &ui) {
    return BuildOrgan3D(scene, organ, table, &ui);
}

std::unique_ptr<CWindchest> OpenCircles(const DocumentFile &file, Ui &ui) {
    std::string text;
    if (!file.ReadText(text, ui))
        return nullptr;
    auto chest = std::make_unique<CWindchest>();
    try {
        chest->ReadCircles(text, ui);
    } catch (const FatalInputError &error) {
        throw error.In(file.Path().string());
    }
    return chest;
}

std::unique_ptr<PipeBoards> OpenPipeBoards(const DocumentFile &file, Ui &ui) {
    std::string text;
    if (!file.ReadText(text, ui))
        return nullptr;
    auto boards = std::make_unique<PipeBoards>();
    boards->Read(text, ui);
    return boards;
}

bool ExportChest(CWindchest &chest, const DocumentFile &file, Ui &ui, bool forCam) {
    return ExportPlateFiles(chest, file.name, file.folder, ui, true,
                            forCam ? DxfFlavour::kCam : DxfFlavour::kPlain);
}

} // namespace ventrel
