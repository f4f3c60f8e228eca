// The word scanner of scene files: words are cut in place, numbers read without the locale.
#include "sceneio/SceneLimits.h"
#include "sceneio/V_Lib.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>

namespace ventrel {

namespace {

enum CharClass : unsigned char { kPlain, kSeparator, kBracket, kHash, kSemicolon };

constexpr std::array<unsigned char, 256> MakeClasses() {
    std::array<unsigned char, 256> classes{};
    for (unsigned char c : {' ', '\n', '\t', ',', '\r'})
        classes[c] = kSeparator;
    for (unsigned char c : {'[', ']', '{', '}'})
        classes[c] = kBracket;
    classes['#'] = kHash;
    classes[';'] = kSemicolon;
    return classes;
}

constexpr std::array<unsigned char, 256> kClasses = MakeClasses();

} // namespace

std::string_view V_Lib::ScanWord() {
    return Scan<false>();
}

std::string_view V_Lib::ScanWord2() {
    return Scan<true>();
}

template <bool Two> std::string_view V_Lib::Scan() {
    if (m_pos >= m_nextProgress && !Progress())
        return m_word = {};
    const char *text = m_text.data();
    const std::size_t size = m_text.size();
    std::size_t i = m_pos;
    std::size_t start = 0, length = 0;
    bool joined = false;
    const auto collected = [&]() {
        return joined ? std::string_view(m_joined) : std::string_view(text + start, length);
    };
    for (;;) {
        if (i >= size) {
            // A word still being collected at the end of the text is dropped.
            m_pos = i;
            return m_word = {};
        }
        const char c = text[i];
        const unsigned char kind = kClasses[static_cast<unsigned char>(c)];
        if (kind == kPlain || (kind == kHash && !m_commentSwitch) || (kind == kSemicolon && !Two)) {
            // The rest of a plain run in one go.
            std::size_t j = i + 1;
            while (j < size && kClasses[static_cast<unsigned char>(text[j])] == kPlain)
                ++j;
            if (length == 0) {
                start = i;
                joined = false;
            } else if (!joined && start + length != i) {
                // A comment was skipped inside the word: its parts are joined in a side buffer.
                m_joined.assign(text + start, length);
                joined = true;
            }
            if (joined)
                m_joined.append(text + i, j - i);
            length += j - i;
            if (length > static_cast<std::size_t>(kSceneWordLimit)) {
                Message("** Buffer Mot overflow\n");
                m_pos = std::min(size, i + (kSceneWordLimit - (length - (j - i))) + 1);
                return m_word = {};
            }
            i = j;
            continue;
        }
        if (kind == kHash) {
            // A comment runs to the end of its line.
            while (i < size && text[i] != '\n')
                ++i;
            if (i < size)
                ++i;
            continue;
        }
        if (kind == kBracket) {
            if (length > 0) {
                m_pos = i;
                return m_word = collected();
            }
            if (c == '{')
                ++m_braceDepth;
            else if (c == '}')
                --m_braceDepth;
            m_pos = i + 1;
            return m_word = std::string_view(text + i, 1);
        }
        // A separator.
        ++i;
        if constexpr (Two)
            if (c == '\n')
                ++m_line;
        if (length > 0) {
            m_pos = i;
            return m_word = collected();
        }
    }
}

template std::string_view V_Lib::Scan<false>();
template std::string_view V_Lib::Scan<true>();

namespace {

// What the one-pass number readers look up: the characters skipped before a word, and those that
// end a word, for each scanner (the second one also separates at ';').
enum NumberClass : unsigned char { kOther, kSkip = 1, kEnd = 2 };

constexpr std::array<unsigned char, 256> MakeNumberClasses(bool two) {
    std::array<unsigned char, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        const unsigned char kind = kClasses[c];
        if (kind == kSeparator || (two && kind == kSemicolon))
            classes[c] = kSkip | kEnd;
        else if (kind == kBracket)
            classes[c] = kEnd;
    }
    return classes;
}

constexpr std::array<unsigned char, 256> kNumberClasses[2] = {MakeNumberClasses(false),
                                                              MakeNumberClasses(true)};

template <bool Two> unsigned char NumberClassOf(char c) {
    return kNumberClasses[Two][static_cast<unsigned char>(c)];
}

} // namespace

// The text is a std::string: its terminating '\0' neither separates nor belongs to a number, so
// the loops below stop at the end without testing the size.
template <bool Two> bool V_Lib::WordStart(std::size_t &start, long &lines) const {
    if (m_pos >= m_nextProgress)
        return false;
    const char *text = m_text.data();
    std::size_t i = m_pos;
    long feeds = 0;
    for (; NumberClassOf<Two>(text[i]) & kSkip; ++i)
        if constexpr (Two)
            feeds += text[i] == '\n';
    if (i >= m_text.size())
        return false;
    start = i;
    lines = feeds;
    return true;
}

template <bool Two> void V_Lib::TakeWord(std::size_t start, std::size_t end, long lines) {
    // The word is taken only when a separator or a bracket ends it, as Scan would end it.
    m_word = std::string_view(m_text.data() + start, end - start);
    m_line += lines;
    const char c = m_text[end];
    if (kClasses[static_cast<unsigned char>(c)] == kBracket) {
        m_pos = end;
        return;
    }
    m_pos = end + 1;
    if constexpr (Two)
        if (c == '\n')
            ++m_line;
}

template <bool Two> bool V_Lib::ScanFloat(float &value) {
    std::size_t start = 0;
    long lines = 0;
    if (!WordStart<Two>(start, lines))
        return false;
    const char *text = m_text.data();
    const char *first = text + start;
    const char c = *first;
    if (!((c >= '0' && c <= '9') || c == '-' || c == '.' || c == '+'))
        return false;
    if (c == '+')
        ++first;
    // from_chars never reads past a character that ends a word, so the number it stops at is the
    // whole word when such a character follows.
    const auto result = std::from_chars(first, text + m_text.size(), value);
    const std::size_t end = static_cast<std::size_t>(result.ptr - text);
    if (result.ec != std::errc() || end - start > static_cast<std::size_t>(kSceneWordLimit) ||
        end >= m_text.size() || !(NumberClassOf<Two>(text[end]) & kEnd))
        return false;
    TakeWord<Two>(start, end, lines);
    return true;
}

template <bool Two> bool V_Lib::ScanLong(long &value) {
    std::size_t start = 0;
    long lines = 0;
    if (!WordStart<Two>(start, lines))
        return false;
    const char *text = m_text.data();
    std::size_t i = start;
    const bool negative = text[i] == '-';
    if (negative || text[i] == '+')
        ++i;
    const std::size_t digits = i;
    // Counted without sign, where wrapping is defined; up to 18 digits cannot overflow, longer
    // words go the plain way.
    unsigned long number = 0;
    for (; static_cast<unsigned char>(text[i] - '0') < 10; ++i)
        number = number * 10 + static_cast<unsigned long>(text[i] - '0');
    if (i == digits || i - digits > 18 || i >= m_text.size() ||
        !(NumberClassOf<Two>(text[i]) & kEnd))
        return false;
    value = negative ? -static_cast<long>(number) : static_cast<long>(number);
    TakeWord<Two>(start, i, lines);
    return true;
}

template bool V_Lib::ScanFloat<false>(float &);
template bool V_Lib::ScanFloat<true>(float &);
template bool V_Lib::ScanLong<false>(long &);
template bool V_Lib::ScanLong<true>(long &);

float V_Lib::ToFloat(std::string_view word) {
    const char *first = word.data();
    const char *last = first + word.size();
    if (first != last && *first == '+')
        ++first;
    float value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        double wide = 0;
        std::from_chars(first, last, wide);
        return static_cast<float>(wide);
    }
    return result.ec == std::errc() ? value : 0.0f;
}

long V_Lib::ToLong(std::string_view word) {
    std::size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '-' || word[i] == '+'))
        negative = word[i++] == '-';
    long value = 0;
    for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
        const int digit = word[i] - '0';
        if (value > (LONG_MAX - digit) / 10)
            return negative ? LONG_MIN : LONG_MAX;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

} // namespace ventrel
