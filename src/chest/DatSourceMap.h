// Where the facts of a description file stand in its text, as the reader met them.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ventrel {

// Filled by CWindchest::ReadDat when asked: the offsets (into the text read) of each stop's
// keywords and of every number its lists took, so that a finding about a pipe can name the line
// and column it came from. Recording changes nothing the reader produces.
struct DatSourceMap {
    static constexpr size_t kNone = std::string_view::npos;

    enum List { kDiameters, kHoles, kFeet, kLengths, kListCount };

    struct StopSource {
        size_t start = kNone;     // where the stop's section began to be read
        size_t name = kNone;      // the stop keyword
        size_t pipeCount = kNone; // the pipe-count keyword
        size_t origin = kNone;    // the origin keyword
        size_t heights = kNone;   // the lengths keyword the reader found
        int written = 0;          // the pipe count as written
        bool complete = false;    // the reader counted the stop
        // Where each list's reading began, and the offset of every number it took. An octave
        // stop keeps its groups of four in the diameter list.
        std::array<size_t, kListCount> listStart{kNone, kNone, kNone, kNone};
        std::array<std::vector<size_t>, kListCount> numbers;
        std::vector<size_t> turrets; // each turret keyword
    };

    bool octave = false;     // an octave file ("UTenUT")
    bool partitions = false; // a partition file ("BARRAGES")
    std::vector<StopSource> stops;
    std::vector<size_t> rects; // each "RECT" of a partition file
    std::vector<size_t> lines; // each "LINE"
    // Where reading stopped on a fault (a fatal error, a stop without its pipe count).
    size_t fault = kNone;
    // Where reading ended without a fault before the end of the text: where the next stop line was
    // looked for and not found (or the stop table was full), or the first line of a partition file
    // that is not a RECT or LINE. kNone when the reader went on to the end.
    size_t end = kNone;
    bool english = false; // the file's keywords are the English ones
};

// Line and column (both from 1) of an offset in a text.
struct TextPosition {
    int line = 0;
    int column = 0;
};

// Finds lines and columns of offsets by a binary search over the line starts.
class LineIndex {
public:
    explicit LineIndex(std::string_view text);
    TextPosition At(size_t offset) const;
    // The offset at which the line holding `offset` starts, and the next line's start.
    size_t LineStart(size_t offset) const;
    size_t NextLineStart(size_t offset) const;

private:
    std::vector<size_t> m_starts;
    size_t m_size;
};

} // namespace ventrel
