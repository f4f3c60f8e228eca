// The organ file (".org"): chest description files with their positions, free bars and pipes.
#include "OrganFile.h"

#include "CTextScanner.h"
#include "CWindchest.h"

#include "platform/AtomicFile.h"
#include "platform/FatalInputError.h"
#include "platform/Ui.h"
#include "platform/WorkFolder.h"

namespace ventrel {

OrganFile OrganFile::Parse(const std::string &text, Ui &ui) {
    OrganFile organ;
    CTextScanner scan(text, ui);
    auto readPart = [&scan](Item &item, Kind kind) {
        item.kind = kind;
        for (int &v : item.size)
            v = LimitMillimetres(scan.ReadInt());
        for (int &v : item.position)
            v = LimitMillimetres(scan.ReadInt());
    };
    while (!scan.AtEnd()) {
        Item item;
        if (scan.Match("SOMMIER")) {
            scan.SkipToWord();
            item.file = scan.ReadWord().substr(0, CWindchest::kMaxFileName);
            for (int &v : item.position)
                v = LimitMillimetres(scan.ReadInt());
            for (int i = 0; i < 3; ++i)
                scan.ReadInt(); // written as 1 0 0, not used
        } else if (scan.Match("BARRE")) {
            readPart(item, Kind::Bar);
        } else if (scan.Match("TUYAU")) {
            readPart(item, Kind::Pipe);
        } else {
            scan.NextLine();
            continue;
        }
        organ.items.push_back(item);
        scan.NextLine();
    }
    return organ;
}

int LoadOrganChests(const OrganFile &organ, ChestTable &table, const WorkFolder &folder, Ui &ui,
                    std::vector<std::string> *unread) {
    table.count = 0;
    for (const OrganFile::Item &item : organ.items) {
        if (item.kind != OrganFile::Kind::Chest)
            continue;
        if (table.Full()) {
            ui.MessageBox(
                Format("An organ holds %d chests: %s and the chests after it are not read",
                       ChestTable::kMaxChests, item.file.c_str()));
            break;
        }
        CWindchest &chest = table[table.count];
        chest.m_file_name = item.file;
        chest.m_stop_count = 0;
        try {
            std::string text;
            if (ReadInputFile(folder.In(item.file), text, ui))
                chest.ReadDat(text, folder, ui);
            else if (unread)
                unread->push_back(item.file);
        } catch (const FatalInputError &error) {
            // The chest keeps the stops read before the fault; the rest of the organ still loads.
            ui.MessageBox(error.In(folder.In(item.file).string()).Located());
            if (unread)
                unread->push_back(item.file);
        }
        chest.Layout();
        for (int i = 0; i < 3; ++i)
            chest.m_position[i] = item.position[i];
        ++table.count;
    }
    return table.count;
}

std::string OrganFileText(const ChestTable &table, const std::vector<OrganFile::Item> &free) {
    std::string text;
    for (int i = 0; i < table.count; ++i) {
        const CWindchest &chest = table[i];
        text += "SOMMIER ";
        text += Format("%s ", chest.m_file_name.c_str());
        text += Format("%d %d %d 1 0 0 \r\n", chest.m_position[0], chest.m_position[1],
                       chest.m_position[2]);
    }
    for (const OrganFile::Item &item : free) {
        if (item.kind == OrganFile::Kind::Chest)
            continue;
        text += item.kind == OrganFile::Kind::Bar ? "BARRE " : "TUYAU ";
        text += Format("%d %d %d %d %d %d \r\n", item.size[0], item.size[1], item.size[2],
                       item.position[0], item.position[1], item.position[2]);
    }
    return text;
}

std::string OrganFileName(const std::string &name) {
    const size_t dot = name.find('.');
    return dot == std::string::npos ? name + ".org" : name.substr(0, dot + 1) + "org";
}

bool WriteOrganFile(const ChestTable &table, const std::string &name, const WorkFolder &folder,
                    Ui &ui, const std::vector<OrganFile::Item> &free) {
    std::string error;
    if (!WriteFileAtomically(folder.Out(OrganFileName(name)), OrganFileText(table, free), &error)) {
        ui.MessageBox("Cannot write the organ file " + error);
        return false;
    }
    return true;
}

} // namespace ventrel
