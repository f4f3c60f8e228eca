// Lines and columns of offsets in a text, for messages that editors can follow.
#include "DatSourceMap.h"

#include <algorithm>

namespace ventrel {

LineIndex::LineIndex(std::string_view text) : m_size(text.size()) {
    m_starts.push_back(0);
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n')
            m_starts.push_back(i + 1);
}

TextPosition LineIndex::At(size_t offset) const {
    offset = std::min(offset, m_size);
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), offset);
    const size_t line = static_cast<size_t>(after - m_starts.begin()) - 1;
    return {static_cast<int>(line + 1), static_cast<int>(offset - m_starts[line] + 1)};
}

size_t LineIndex::LineStart(size_t offset) const {
    offset = std::min(offset, m_size);
    return *(std::upper_bound(m_starts.begin(), m_starts.end(), offset) - 1);
}

size_t LineIndex::NextLineStart(size_t offset) const {
    offset = std::min(offset, m_size);
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), offset);
    return after == m_starts.end() ? m_size : *after;
}

} // namespace ventrel
