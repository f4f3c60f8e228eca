// Lists with more or fewer numbers than the stop has pipes: the reader then shifts every later
// value, silently. Counted here as the reader takes numbers, up to the next keyword line.
#include "CheckContext.h"

#include "chest/CTextScanner.h"
#include "chest/DatKeywords.h"
#include "platform/HeadlessUi.h"

#include <map>

namespace ventrel {
namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The start of the first line after `from`'s own line whose first visible character is a letter:
// the next keyword line, or the end of the text.
size_t NextKeywordLine(const CheckedText &source, size_t from) {
    size_t line = source.lines.NextLineStart(from);
    while (line < source.text.size()) {
        size_t i = line;
        while (i < source.text.size() &&
               (source.text[i] == ' ' || source.text[i] == '\t' || source.text[i] == '\r'))
            ++i;
        if (i < source.text.size() && IsLetter(source.text[i]))
            return line;
        line = source.lines.NextLineStart(line);
    }
    return source.text.size();
}

// The offsets of the numbers the reader would take from `from` on, as far as `end`.
std::vector<size_t> NumbersBetween(const CheckedText &source, size_t from, size_t end) {
    HeadlessUi quiet;
    CTextScanner scan(source.text, quiet);
    scan.SetCursor(from);
    std::vector<size_t> numbers;
    while (!scan.AtEnd()) {
        scan.ReadInt();
        const size_t at = scan.LastNumberStart();
        if (at == DatSourceMap::kNone || at >= end)
            break;
        numbers.push_back(at);
    }
    return numbers;
}

// Numbers grouped by line, and lines grouped in blocks separated by lines without numbers.
struct Line {
    int line;
    std::vector<size_t> numbers;
};
std::vector<std::vector<Line>> Blocks(const CheckedText &source,
                                      const std::vector<size_t> &numbers) {
    std::vector<std::vector<Line>> blocks;
    int last = -1;
    for (size_t at : numbers) {
        const int line = source.lines.At(at).line;
        if (line != last) {
            if (last < 0 || line != last + 1)
                blocks.emplace_back();
            blocks.back().push_back({line, {}});
            last = line;
        }
        blocks.back().back().numbers.push_back(at);
    }
    return blocks;
}

size_t Count(const std::vector<Line> &block) {
    size_t count = 0;
    for (const Line &line : block)
        count += line.numbers.size();
    return count;
}

// The line of a block most likely to miss or hold one number too many: one whose count differs
// from the block's first line before the last line, or else the last line.
size_t Culprit(const std::vector<Line> &block) {
    for (size_t i = 1; i + 1 < block.size(); ++i)
        if (block[i].numbers.size() != block[0].numbers.size())
            return block[i].numbers.front();
    return block.back().numbers.front();
}

std::string Plural(size_t n, const char *word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

void CheckStop(CheckContext &context, int s, const DatSourceMap::StopSource &source,
               DatLanguage language) {
    const CheckedText &dat = context.dat;
    const size_t start = source.listStart[DatSourceMap::kDiameters];
    if (start == DatSourceMap::kNone || source.written <= 0)
        return;
    const std::string name = context.chest.Stop(s).m_name;
    const size_t n = static_cast<size_t>(source.written);
    const size_t keywordLine = NextKeywordLine(dat, start == 0 ? 0 : start - 1);
    const std::vector<size_t> numbers = NumbersBetween(dat, start, keywordLine);

    if (dat.map.octave) {
        const size_t groups = n / 12 + 2;
        if (numbers.size() == 4 * groups)
            return;
        auto firstOdd = [&] {
            for (const auto &block : Blocks(dat, numbers))
                for (const Line &line : block)
                    if (line.numbers.size() != 4)
                        return line.numbers.front();
            return numbers.empty() ? start : numbers.back();
        };
        context
            .Add(Severity::Error, "list-count", dat, firstOdd(),
                 "stop " + name + ": " + Plural(numbers.size(), "number") + " where its " +
                     Plural(n, "pipe") + " need " + std::to_string(groups) + " groups of four (" +
                     std::to_string(4 * groups) +
                     "): every value after the gap is read into the wrong group")
            .stop = s;
        return;
    }

    const std::string heights(Keyword(kHeights, language));
    if (numbers.size() != 3 * n) {
        const auto blocks = Blocks(dat, numbers);
        size_t where = numbers.empty() ? start : numbers.front();
        std::string which;
        if (blocks.size() == 3) {
            const char *lists[] = {"diameters", "plate holes", "foot holes"};
            for (size_t b = 0; b < 3; ++b)
                if (Count(blocks[b]) != n) {
                    where = Culprit(blocks[b]);
                    which = std::string(" (the ") + lists[b] + " give " +
                            std::to_string(Count(blocks[b])) + ")";
                    break;
                }
        }
        context
            .Add(Severity::Error, "list-count", dat, where,
                 "stop " + name + ": " + Plural(numbers.size(), "number") + " before " +
                     (keywordLine < dat.text.size() ? "the next keyword" : "the end") +
                     " where its " + Plural(n, "pipe") + " need " + std::to_string(3 * n) + which +
                     ": every value after the gap moves to the next pipe or list")
            .stop = s;
        return; // the lengths are then read from the wrong place; one finding says it
    }

    // The lengths follow the keyword on the next keyword line.
    const size_t line = keywordLine;
    size_t i = line;
    while (i < dat.text.size() && (dat.text[i] == ' ' || dat.text[i] == '\t'))
        ++i;
    if (dat.text.substr(i).starts_with(heights)) {
        const size_t from = i + heights.size();
        const std::vector<size_t> lengths = NumbersBetween(dat, from, NextKeywordLine(dat, from));
        if (lengths.size() != n) {
            const auto blocks = Blocks(dat, lengths);
            const size_t where = blocks.size() == 1 ? Culprit(blocks[0]) : i;
            std::string consequence = lengths.size() < n
                                          ? "the next section's first number is read as a length"
                                          : "reading of the file ends at the extra numbers";
            context
                .Add(Severity::Error, "list-count", dat, where,
                     "stop " + name + ": " + Plural(lengths.size(), "length") + " after " +
                         heights + " where its " + Plural(n, "pipe") + " need " +
                         std::to_string(n) + ": " + consequence)
                .stop = s;
        }
    }
}

} // namespace

void CheckListCounts(CheckContext &context) {
    const DatLanguage language = context.dat.text.find("ENGLISH") != std::string_view::npos
                                     ? DatLanguage::English
                                     : DatLanguage::French;
    for (size_t s = 0; s < context.dat.map.stops.size(); ++s)
        CheckStop(context, static_cast<int>(s), context.dat.map.stops[s], language);
}

// A partition line holds its four numbers on its own line; the reader would take the missing ones
// from the next line and lose the walls after it.
void CheckPartitionLines(CheckContext &context) {
    for (CheckedText *text : {&context.dat, context.partitions}) {
        if (!text)
            continue;
        auto check = [&](const std::vector<size_t> &starts, const char *word) {
            for (size_t at : starts) {
                const size_t end = text->lines.NextLineStart(at);
                const size_t count = NumbersBetween(*text, at, end).size();
                if (count != 4)
                    context.Add(Severity::Error, "list-count", *text, at,
                                std::string(word) + " with " + Plural(count, "number") +
                                    " where it needs 4");
            }
        };
        check(text->map.rects, "RECT");
        check(text->map.lines, "LINE");
    }
}

} // namespace ventrel
