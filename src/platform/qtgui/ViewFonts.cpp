// The four fonts of the view mapped onto the families installed on this machine.
#include "ViewFonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace ventrel {
namespace {

struct FontChoice {
    const char *name;
    QStringList candidates;
    QFont::StyleHint hint;
};

const FontChoice &ChoiceFor(const std::string &family) {
    static const FontChoice choices[] = {
        {"Arial",
         {"Arial", "Liberation Sans", "Arimo", "Helvetica", "DejaVu Sans"},
         QFont::SansSerif},
        {"MS Sans Serif",
         {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "DejaVu Sans"},
         QFont::SansSerif},
        {"Times",
         {"Times", "Times New Roman", "Liberation Serif", "Tinos", "Nimbus Roman", "DejaVu Serif"},
         QFont::Serif},
        {"Wingdings", {"Wingdings", "OpenSymbol", "DejaVu Sans"}, QFont::AnyStyle},
    };
    for (const FontChoice &choice : choices)
        if (family == choice.name)
            return choice;
    return choices[0];
}

} // namespace

QFont ViewFont(const std::string &family, int height) {
    const FontChoice &choice = ChoiceFor(family);
    QFont font;
    const QStringList installed = QFontDatabase::families();
    const auto found = std::find_if(choice.candidates.begin(), choice.candidates.end(),
                                    [&](const QString &name) { return installed.contains(name); });
    font.setFamily(found != choice.candidates.end() ? *found : choice.candidates.back());
    font.setStyleHint(choice.hint);
    // The view asks for a character cell of `height` pixels; Qt sizes the em square, which is
    // about 1/1.16 of the cell in the usual families.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(height / 1.16))));
    return font;
}

} // namespace ventrel
