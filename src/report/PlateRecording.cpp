// A drawing kept once and played back onto each of the sheets it is tiled over.
#include "PlateRecording.h"

#include <algorithm>
#include <array>

namespace ventrel {

std::uint32_t PlateRecording::CurrentStyle() {
    if (!m_styleStored) {
        m_styles.push_back(m_style);
        m_styleStored = true;
    }
    return static_cast<std::uint32_t>(m_styles.size() - 1);
}

PlateRecording::Item &PlateRecording::Add(Kind kind, int a, int b, int c, int d) {
    Item &item = m_items.emplace_back();
    item.kind = kind;
    item.a = a;
    item.b = b;
    item.c = c;
    item.d = d;
    item.left = std::min(a, c);
    item.top = std::min(b, d);
    item.right = std::max(a, c);
    item.bottom = std::max(b, d);
    item.style = CurrentStyle();
    item.extra = 0;
    return item;
}

void PlateRecording::SetPen(Rgb colour, int width) {
    if (colour == m_style.pen && width == m_style.penWidth)
        return;
    m_style.pen = colour;
    m_style.penWidth = width;
    m_styleStored = false;
}

void PlateRecording::SetBrush(Rgb colour) {
    if (colour == m_style.brush)
        return;
    m_style.brush = colour;
    m_styleStored = false;
}

void PlateRecording::Ellipse(int left, int top, int right, int bottom) {
    Item &item = Add(Kind::Ellipse, left, top, right, bottom);
    const int pen = std::max(1, m_style.penWidth);
    item.left -= pen;
    item.top -= pen;
    item.right += pen;
    item.bottom += pen;
}

void PlateRecording::FrameRect(int left, int top, int right, int bottom) {
    Add(Kind::FrameRect, left, top, right, bottom);
}

void PlateRecording::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    Add(Kind::FillRect, left, top, right, bottom).colour = colour;
}

void PlateRecording::Rectangle(int left, int top, int right, int bottom) {
    Item &item = Add(Kind::Rectangle, left, top, right, bottom);
    const int pen = std::max(1, m_style.penWidth);
    item.right += pen;
    item.bottom += pen;
}

void PlateRecording::MoveTo(int x, int y) {
    m_x = x;
    m_y = y;
}

void PlateRecording::LineTo(int x, int y) {
    Item &item = Add(Kind::Line, m_x, m_y, x, y);
    const int pen = std::max(1, m_style.penWidth);
    item.left -= pen;
    item.top -= pen;
    item.right += pen;
    item.bottom += pen;
    m_x = x;
    m_y = y;
}

void PlateRecording::SetFont(const std::string &family, int height) {
    const auto same = [&](const Font &font) {
        return font.family == family && font.height == height;
    };
    auto found = std::find_if(m_fonts.begin(), m_fonts.end(), same);
    if (found == m_fonts.end())
        found = m_fonts.insert(m_fonts.end(), Font{family, height});
    const int font = static_cast<int>(found - m_fonts.begin());
    if (font == m_style.font)
        return;
    m_style.font = font;
    m_styleStored = false;
}

void PlateRecording::SetTextColour(Rgb colour) {
    if (colour == m_style.textColour)
        return;
    m_style.textColour = colour;
    m_styleStored = false;
}

void PlateRecording::SetTransparentBackground(bool transparent) {
    if (transparent == m_style.transparent)
        return;
    m_style.transparent = transparent;
    m_styleStored = false;
}

void PlateRecording::Text(int x, int y, const std::string &text) {
    // No glyph of the view's fonts is wider or taller than the font's height, so the text lies
    // within a height per byte to the right and two heights below its point.
    const int height = m_style.font >= 0 ? m_fonts[static_cast<size_t>(m_style.font)].height : 12;
    const int h = std::max(1, height);
    Item &item = Add(Kind::Text, x, y, x, y);
    item.left -= h;
    item.top -= h;
    item.right += static_cast<int>(std::min<size_t>(text.size(), 100000)) * h + h;
    item.bottom += 2 * h;
    if (m_texts.empty() || m_texts.back() != text)
        m_texts.push_back(text);
    item.extra = static_cast<std::uint32_t>(m_texts.size() - 1);
}

void PlateRecording::Image(int x, int y, int width, int height, const std::uint8_t *pixels,
                           int stride, int bitsPerPixel) {
    if (!pixels || width <= 0 || height <= 0 || stride <= 0)
        return;
    Picture &picture = m_images.emplace_back();
    picture.pixels.assign(pixels,
                          pixels + static_cast<size_t>(stride) * static_cast<size_t>(height));
    picture.stride = stride;
    picture.bitsPerPixel = bitsPerPixel;
    Item &item = Add(Kind::Image, x, y, x + width, y + height);
    item.extra = static_cast<std::uint32_t>(m_images.size() - 1);
}

Rgb PlateRecording::Ink(const Item &item) const {
    const Style &style = m_styles[item.style];
    switch (item.kind) {
    case Kind::FrameRect:
        return style.brush;
    case Kind::Text:
        return style.textColour;
    case Kind::FillRect:
        return item.colour;
    default:
        return style.pen;
    }
}

bool PlateRecording::Covers(const Item &item) const {
    return item.kind == Kind::FillRect || item.kind == Kind::Rectangle ||
           item.kind == Kind::Image ||
           (item.kind == Kind::Text && !m_styles[item.style].transparent);
}

void PlateRecording::Play(Canvas &sheet, int left, int top, int right, int bottom, int dx,
                          int dy) const {
    const int x0 = std::min(left, right), x1 = std::max(left, right);
    const int y0 = std::min(top, bottom), y1 = std::max(top, bottom);
    std::vector<std::uint32_t> order;
    for (size_t i = 0; i < m_items.size(); ++i) {
        const Item &item = m_items[i];
        if (item.right >= x0 && item.left <= x1 && item.bottom >= y0 && item.top <= y1)
            order.push_back(static_cast<std::uint32_t>(i));
    }
    Playing playing;
    // Stretches of one colour between the items that cover what is under them.
    size_t first = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        const Item &item = m_items[order[i]];
        if (Covers(item)) {
            PlayStretch(sheet, order, first, i, dx, dy, playing);
            PlayItem(sheet, item, dx, dy, playing);
            first = i + 1;
        } else if (i > first && !(Ink(item) == Ink(m_items[order[first]]))) {
            PlayStretch(sheet, order, first, i, dx, dy, playing);
            first = i;
        }
    }
    PlayStretch(sheet, order, first, order.size(), dx, dy, playing);
}

std::array<int, 7> PlateRecording::SortKey(std::uint32_t index) const {
    const Item &item = m_items[index];
    const Style &style = m_styles[item.style];
    // Circles and lines share the pen, frames are drawn in the brush's colour, texts in a font.
    int group = 2, tool = style.font;
    if (item.kind == Kind::Ellipse || item.kind == Kind::Line) {
        group = 0;
        tool = style.penWidth;
    } else if (item.kind == Kind::FrameRect) {
        group = 1;
        tool = 0;
    }
    return {group, tool, static_cast<int>(item.kind), item.a, item.b, item.c, item.d};
}

void PlateRecording::PlayStretch(Canvas &sheet, std::vector<std::uint32_t> &order, size_t first,
                                 size_t last, int dx, int dy, Playing &playing) const {
    if (first >= last)
        return;
    // Strokes of one colour over each other, and texts on no box, give the same picture in any
    // order: strokes pen by pen, then texts font by font, each drawn once.
    const auto less = [this](std::uint32_t x, std::uint32_t y) {
        const std::array<int, 7> kx = SortKey(x), ky = SortKey(y);
        if (kx != ky)
            return kx < ky;
        const Item &ix = m_items[x], &iy = m_items[y];
        return ix.kind == Kind::Text && m_texts[ix.extra] < m_texts[iy.extra];
    };
    const auto same = [&](std::uint32_t x, std::uint32_t y) { return !less(x, y) && !less(y, x); };
    const auto begin = order.begin() + static_cast<std::ptrdiff_t>(first);
    const auto end = order.begin() + static_cast<std::ptrdiff_t>(last);
    std::sort(begin, end, less);
    for (auto it = begin, kept = std::unique(begin, end, same); it != kept; ++it)
        PlayItem(sheet, m_items[*it], dx, dy, playing);
}

void PlateRecording::PlayItem(Canvas &sheet, const Item &item, int dx, int dy,
                              Playing &playing) const {
    const Style &style = m_styles[item.style];
    Style &now = playing.style;
    const auto pen = [&] {
        if (!playing.pen || !(now.pen == style.pen) || now.penWidth != style.penWidth) {
            sheet.SetPen(style.pen, style.penWidth);
            now.pen = style.pen;
            now.penWidth = style.penWidth;
            playing.pen = true;
        }
    };
    const auto brush = [&] {
        if (!playing.brush || !(now.brush == style.brush)) {
            sheet.SetBrush(style.brush);
            now.brush = style.brush;
            playing.brush = true;
        }
    };
    const int a = item.a + dx, b = item.b + dy, c = item.c + dx, d = item.d + dy;
    switch (item.kind) {
    case Kind::Ellipse:
        pen();
        sheet.Ellipse(a, b, c, d);
        break;
    case Kind::Line:
        pen();
        sheet.MoveTo(a, b);
        sheet.LineTo(c, d);
        break;
    case Kind::FrameRect:
        brush();
        sheet.FrameRect(a, b, c, d);
        break;
    case Kind::Rectangle:
        pen();
        brush();
        sheet.Rectangle(a, b, c, d);
        break;
    case Kind::FillRect:
        sheet.FillRect(a, b, c, d, item.colour);
        break;
    case Kind::Text:
        if (style.font >= 0 && (!playing.font || now.font != style.font)) {
            const Font &font = m_fonts[static_cast<size_t>(style.font)];
            sheet.SetFont(font.family, font.height);
            now.font = style.font;
            playing.font = true;
        }
        if (!playing.textColour || !(now.textColour == style.textColour)) {
            sheet.SetTextColour(style.textColour);
            now.textColour = style.textColour;
            playing.textColour = true;
        }
        if (!playing.background || now.transparent != style.transparent) {
            sheet.SetTransparentBackground(style.transparent);
            now.transparent = style.transparent;
            playing.background = true;
        }
        sheet.Text(a, b, m_texts[item.extra]);
        break;
    case Kind::Image: {
        const Picture &picture = m_images[item.extra];
        sheet.Image(a, b, item.c - item.a, item.d - item.b, picture.pixels.data(), picture.stride,
                    picture.bitsPerPixel);
        break;
    }
    }
}

} // namespace ventrel
