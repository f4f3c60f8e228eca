// The cut list ("_commande.wri"): the boards to order for a chest, in French, Windows-1252 text.
#include "CutList.h"
#include "OutputNames.h"

#include "chest/CWindchest.h"
#include "platform/AtomicFile.h"
#include "platform/Ui.h"
#include "platform/WorkFolder.h"

namespace ventrel {

std::string CutListText(const CWindchest &chest, const std::string &fileName) {
    const int w = chest.m_plate.x2 - chest.m_plate.x1;
    const int d = chest.m_plate.y2 - chest.m_plate.y1;
    const int b = chest.m_board_thickness;
    const int l = chest.m_board_width;
    std::string text = Format("SOMMIER %s\nLES DIMENSIONS SONT EN mm\n", fileName.c_str());
    text +=
        Format("DIMENSIONS DE LA PLAQUE SOMMIER (FICHIER DXF : %s) %d %d MEDIUM Epaisseur : %dmm\n",
               chest.m_dxf_names[0].c_str(), w, d, chest.m_plate_thickness);
    text += Format("DIMENSIONS DE LA PLAQUE FAUX SOMMIER (FICHIER DXF : %s)%d %d CONTREPLAQUE "
                   "Epaisseur : 10mm\n",
                   chest.m_dxf_names[1].c_str(), w, d);
    const char *sideBoards = "CONTREPLAQUE LONGUEUR: %5d LARGEUR: %d EPAISSEUR: %d QUANTITE : 2\n";
    text += Format(sideBoards, w, l, b);
    text += Format(sideBoards, d - 2 * b, l, b);
    // "coupé": the e acute is the single byte 0xE9 of Windows-1252.
    text += Format("PLAQUE DE FOND %d %d Epaisseur 10mm (coup\xE9 en 2 au milieu)\n", w, d);
    return text;
}

std::string CutListName(const std::string &fileName) {
    return DerivedName(fileName, "_commande.wri");
}

bool WriteCommande(const CWindchest &chest, const std::string &fileName, const WorkFolder &folder,
                   Ui &ui) {
    if (fileName.empty())
        return false;
    std::string error;
    if (!WriteFileAtomically(folder.Out(CutListName(fileName)), CutListText(chest, fileName),
                             &error)) {
        ui.MessageBox("Cannot write the cut list " + error);
        return false;
    }
    return true;
}

bool Refresh(CWindchest &chest, const std::string &fileName, const WorkFolder &folder,
             ValveCounters &counters, Ui &ui, bool *written) {
    chest.Layout();
    const bool cutList = WriteCommande(chest, fileName, folder, ui);
    if (written)
        *written = cutList;
    return chest.SizeValves(counters);
}

} // namespace ventrel
