// Text the reader never reached: a stop file's reading ends where the next stop line is not found,
// a partition file's at its first line that is not a RECT or LINE, and neither says a word.
#include "CheckContext.h"

#include "chest/DatKeywords.h"

#include <algorithm>

namespace ventrel {
namespace {

constexpr std::string_view kBlanks = " \t\r\f\v";

bool IsWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The line begins with `word` as a whole word.
bool BeginsWith(std::string_view line, std::string_view word) {
    return line.starts_with(word) &&
           (line.size() == word.size() || !IsWordCharacter(line[word.size()]));
}

std::string Counted(int count, const char *one, const char *many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

void CheckUnread(CheckContext &context, CheckedText &source) {
    const DatSourceMap &map = source.map;
    if (map.end == DatSourceMap::kNone || map.fault != DatSourceMap::kNone || map.octave)
        return;
    // The rest of the line where reading ended is a remark on a line that was read; the lines
    // after it are what the reader never reached.
    size_t line =
        source.lines.LineStart(map.end) == map.end ? map.end : source.lines.NextLineStart(map.end);
    const std::string_view stopWord =
        Keyword(kStop, map.english ? DatLanguage::English : DatLanguage::French);
    size_t first = DatSourceMap::kNone; // the first unread line that is not blank
    int lines = 0, items = 0;           // lines not blank; stops or partition lines among them
    bool content = false;               // more than blanks and comments
    while (line < source.text.size()) {
        const size_t next = source.lines.NextLineStart(line);
        std::string_view text = source.text.substr(line, next - line);
        const size_t indent = std::min(text.find_first_not_of(kBlanks), text.size());
        text.remove_prefix(indent);
        while (!text.empty() &&
               (kBlanks.find(text.back()) != std::string_view::npos || text.back() == '\n'))
            text.remove_suffix(1);
        if (!text.empty()) {
            if (first == DatSourceMap::kNone)
                first = line + indent;
            ++lines;
            if (text[0] != '/') {
                content = true;
                if (map.partitions ? BeginsWith(text, "RECT") || BeginsWith(text, "LINE")
                                   : BeginsWith(text, stopWord))
                    ++items;
            }
        }
        line = next;
    }
    if (!content)
        return; // only blanks and comments: nothing was lost
    std::string message = "the reader stopped before this line: ";
    if (map.partitions) {
        message += "the " + Counted(lines, "line", "lines") + " from here on (" +
                   std::to_string(items) + " RECT or LINE) " + (lines == 1 ? "was" : "were") +
                   " not read; a partition file ends at its first line that does not begin with "
                   "RECT or LINE (a comment, a blank line, a misspelt keyword)";
    } else {
        const std::string gap(
            Keyword(kInterPipes, map.english ? DatLanguage::English : DatLanguage::French));
        const int lost = items > 0 ? items : lines;
        message += "the " +
                   (items > 0 ? Counted(items, "stop", "stops") : Counted(lines, "line", "lines")) +
                   " from here on " + (lost == 1 ? "was" : "were") +
                   " not read; after a stop's lengths the reader ends at anything but a " +
                   std::string(stopWord) + " line: a comment line, a misspelt " +
                   std::string(stopWord) + ", a number too many, or a gap line (" + gap +
                   ") that is not on the line right after the last length with nothing after that "
                   "number (not even a blank or a Windows line end)";
    }
    context.Add(Severity::Error, "unread-text", source, first, message);
}

} // namespace

void CheckUnreadText(CheckContext &context) {
    if (context.partitions)
        CheckUnread(context, *context.partitions);
    CheckUnread(context, context.dat);
}

} // namespace ventrel
