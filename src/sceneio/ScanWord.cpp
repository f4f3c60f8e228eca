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
