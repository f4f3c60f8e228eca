// A drawing kept once and played back onto each of the sheets it is tiled over.
#pragma once

#include "platform/Canvas.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ventrel {

// Records every drawing call with the pen, brush, font and text colour in force, and the box it
// covers. Playing back onto a sheet passes on only what shows inside the sheet's area, so each
// primitive goes into the file of the sheets it touches, and the drawing is made once however many
// sheets it spans. Where a stretch of the drawing is all of one colour (a printed plate), its
// strokes are played pen by pen and its texts font by font, and a primitive drawn twice in the same
// place is played once: the picture is the same, the page changes its pen and font far less often.
class PlateRecording : public Canvas {
public:
    void SetPen(Rgb colour, int width) override;
    void SetBrush(Rgb colour) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void FrameRect(int left, int top, int right, int bottom) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetFont(const std::string &family, int height) override;
    void SetTextColour(Rgb colour) override;
    void SetTransparentBackground(bool transparent) override;
    void Text(int x, int y, const std::string &text) override;
    void Image(int x, int y, int width, int height, const std::uint8_t *pixels, int stride,
               int bitsPerPixel) override;

    // Plays onto `sheet` what touches the box (left, top, right, bottom) of the recorded drawing,
    // moved by (dx, dy).
    void Play(Canvas &sheet, int left, int top, int right, int bottom, int dx, int dy) const;

    size_t Size() const { return m_items.size(); }

private:
    struct Style {
        Rgb pen;
        int penWidth = 0;
        Rgb brush{255, 255, 255};
        int font = -1; // into m_fonts; -1 before any
        Rgb textColour;
        bool transparent = false;
        friend bool operator==(const Style &, const Style &) = default;
    };
    struct Font {
        std::string family;
        int height = 0;
    };
    enum class Kind : std::uint8_t { Ellipse, FrameRect, FillRect, Rectangle, Line, Text, Image };
    struct Item {
        Kind kind;
        int a, b, c, d;               // as the call gave them
        int left, top, right, bottom; // the box it may cover
        std::uint32_t style;          // into m_styles
        std::uint32_t extra;          // Text: into m_texts; Image: into m_images
        Rgb colour;                   // FillRect
    };
    struct Picture {
        std::vector<std::uint8_t> pixels;
        int stride = 0;
        int bitsPerPixel = 0;
    };

    // What the sheet's canvas holds now; nothing is known on a new sheet.
    struct Playing {
        Style style;
        bool pen = false, brush = false, font = false, textColour = false, background = false;
    };

    Item &Add(Kind kind, int a, int b, int c, int d);
    std::uint32_t CurrentStyle();
    // The colour a drawn item shows in.
    Rgb Ink(const Item &item) const;
    // True for what covers what was drawn before it (fills, images, texts on a white box).
    bool Covers(const Item &item) const;
    // Plays items [first, last) of `order` in an order that draws the same picture.
    void PlayStretch(Canvas &sheet, std::vector<std::uint32_t> &order, size_t first, size_t last,
                     int dx, int dy, Playing &playing) const;
    void PlayItem(Canvas &sheet, const Item &item, int dx, int dy, Playing &playing) const;
    // The order of a stretch: the drawing tool first, then the kind and place.
    std::array<int, 7> SortKey(std::uint32_t index) const;

    std::vector<Item> m_items;
    std::vector<Style> m_styles;
    std::vector<Font> m_fonts;
    std::vector<std::string> m_texts;
    std::vector<Picture> m_images;
    Style m_style;
    bool m_styleStored = false;
    int m_x = 0, m_y = 0;
};

} // namespace ventrel
