// The five-octave manual keyboard laid out in the 2D view.
#include "Keyboard.h"

#include "chest/Drawing2D.h"

#include <vector>

namespace ventrel {
namespace {

struct NoteShape {
    std::vector<std::array<int, 2>> outline; // closed: the last point is the first
    int dx;
    int dy;
};

const std::vector<std::array<int, 2>> kSharp = {{0, 0}, {12, 0}, {12, -92}, {0, -92}, {0, 0}};
const std::vector<std::array<int, 2>> kE = {{0, 0},   {22, 0},  {22, -140}, {9, -140},
                                            {9, -48}, {0, -48}, {0, 0}};
const std::vector<std::array<int, 2>> kEThenOrigin = {
    {0, 0}, {22, 0}, {22, -140}, {9, -140}, {9, -48}, {0, -48}, {0, 0}, {0, 0}, {0, 0}};

const NoteShape kNotes[12] = {
    {{{0, 0}, {22, 0}, {22, -48}, {14, -48}, {14, -140}, {0, -140}, {0, 0}}, 0, 0},
    {kSharp, 14, -48},
    {{{0, 0}, {22, 0}, {22, -48}, {18, -48}, {18, -140}, {5, -140}, {5, -48}, {0, -48}, {0, 0}},
     23,
     0},
    {kSharp, 41, -48},
    {kE, 47, 0},
    {{{0, 0}, {22, 0}, {22, -48}, {19, -48}, {19, -140}, {0, -140}, {0, 0}}, 70, 0},
    {kSharp, 84, -48},
    {kEThenOrigin, 94, 0},
    {kSharp, 109, -48},
    {kEThenOrigin, 117, 0},
    {kSharp, 131, -48},
    {kE, 140, 0},
};

} // namespace

void CKeyboard::Layout() {
    for (int o = 0; o < 5; ++o)
        for (int j = 0; j < 12; ++j) {
            const NoteShape &note = kNotes[j];
            Key &key = m_keys[static_cast<size_t>(o) * 12 + static_cast<size_t>(j)];
            key.count = static_cast<int>(note.outline.size());
            key.sharp = note.dy < 0;
            for (size_t i = 0; i < note.outline.size(); ++i)
                key.points[i] = {note.outline[i][0] + (o + 1) * kOctaveWidth + note.dx,
                                 note.outline[i][1] + note.dy + 200};
        }
    m_laid_out = true;
}

void CKeyboard::Draw(Drawing2D &drawing) const {
    if (!m_laid_out)
        return;
    for (const Key &key : m_keys) {
        if (key.count <= 0)
            continue;
        drawing.SelectColour(key.sharp ? 15 : 14);
        drawing.MoveTo(key.points[0][0], key.points[0][1]);
        for (int i = 1; i < key.count && i < kMaxPoints; ++i)
            drawing.LineTo(key.points[static_cast<size_t>(i)][0],
                           key.points[static_cast<size_t>(i)][1]);
    }
}

} // namespace ventrel
