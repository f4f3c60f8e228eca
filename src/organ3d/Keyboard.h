// The five-octave manual keyboard laid out in the 2D view.
#pragma once

#include <array>

namespace ventrel {

class Drawing2D;

class CKeyboard {
public:
    static constexpr int kKeyCount = 60;
    static constexpr int kMaxPoints = 32;
    static constexpr int kOctaveWidth = 162; // 140 + one natural key of 22

    struct Key {
        int count = 0;
        std::array<std::array<int, 2>, kMaxPoints> points{};
        bool sharp = false;
    };

    // Key o * 12 + j gets note j's outline moved by ((o + 1) * 162 + its x offset, its y offset +
    // 200).
    void Layout();
    // Each key as a polyline: sharps in colour 15, naturals in colour 14.
    void Draw(Drawing2D &drawing) const;

    std::array<Key, kKeyCount> m_keys{};
    bool m_laid_out = false;
};

} // namespace ventrel
