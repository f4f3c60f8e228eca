// The keywords of the description file, in French and in English.
#pragma once

#include <array>
#include <string_view>

namespace ventrel {

enum DatKeyword {
    kCentralHole,
    kInterPipes,
    kMixture,
    kStop,
    kDiatonic,
    kPipeCount,
    kFirstPipe,
    kIncx,
    kShape,
    kRound,
    kSquare,
    kOrigin,
    kHeights,
    kTurret,
    kKeywordCount
};

// One column per language; a file containing "ENGLISH" anywhere is read with the English one.
inline constexpr std::array<std::array<std::string_view, 2>, kKeywordCount> kDatKeywords = {{
    {"TROUCENTRAL", "CENTRALHOLE"},
    {"INTER TUYAU MIN", "INBETWEENPIPES"},
    {"MIXTURE", "MIXTUR"},
    {"JEU", "STOP"},
    {"DIATONIQUE", "DIATONIC"},
    {"NTUYAUX", "NPIPES"},
    {"TUYAU1", "PIPE1"},
    {"INCX", "INCX"},
    {"FORME:", "SHAPE:"},
    {"ROND", "ROUND"},
    {"CARRE", "SQUARE"},
    {"XY0", "XY0"},
    {"HAUTEURS", "HEIGHTS"},
    {"TURRET", "TURRET"},
}};

enum class DatLanguage { French = 0, English = 1 };

inline std::string_view Keyword(DatKeyword keyword, DatLanguage language) {
    return kDatKeywords[keyword][static_cast<size_t>(language)];
}

} // namespace ventrel
