// The document operations: opening a chest, an organ or a side file, building the scene,
// exporting a chest.
#include "Document.h"

#include "chest/CWindchest.h"
#include "chest/PipeBoards.h"
#include "chest/StopFile.h"
#include "chest/ValveSizing.h"
#include "fabrication/CutList.h"
#include "fabrication/PlateExport.h"
#include "organ3d/Organ3D.h"

namespace ventrel {

bool ReadChest(CWindchest &chest, const DocumentFile &file, Ui &ui,
               const DocumentFile *partitions) {
    // Read into a copy, so that a file that cannot be read leaves the chest as it was.
    auto copy = std::make_unique<CWindchest>(chest);
    if (partitions && !copy->ReadDatFile(partitions->name, partitions->folder, ui))
        return false;
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

bool OpenOrgan(const DocumentFile &file, OrganFile &organ, ChestTable &table, Ui &ui) {
    std::string text;
    if (!file.ReadText(text, ui))
        return false;
    organ = OrganFile::Parse(text, ui);
    LoadOrganChests(organ, table, file.folder, ui);
    return true;
}

bool OpenDocument(const DocumentFile &file, OrganFile &organ, ChestTable &table, Ui &ui) {
    if (file.Kind() == DocumentKind::Organ)
        return OpenOrgan(file, organ, table, ui);
    organ.items.clear();
    ValveCounters valves;
    if (!OpenChest(table[0], file, valves, ui).read)
        return false;
    table.count = 1;
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
    chest->ReadCircles(text, ui);
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

bool ExportChest(CWindchest &chest, const DocumentFile &file, Ui &ui) {
    return ExportDxf(chest, file.name, file.folder, ui) &&
           WriteCommande(chest, file.name, file.folder, ui);
}

} // namespace ventrel
