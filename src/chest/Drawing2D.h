// The 2D drawing state and primitives: palette, pens, brushes and the model-to-screen transform.
#pragma once

#include "math/Saturate.h"
#include "platform/Canvas.h"

#include <array>
#include <string>

namespace ventrel {

class Ui;
struct ValveCounters;

// The view's 2D drawing: every 2D picture (chest, partitions, grid, pedalboard, keyboard, boards)
// draws through these primitives, in model millimetres mapped to pixels by g_scale2D and g_pan.
// Nothing is drawn while no canvas is attached; the state is kept all the same.
class Drawing2D {
public:
    static constexpr int kColourCount = 16;
    static constexpr int kWidthCount = 5;
    // The 16 colours of the palette; each has a solid pen of every width 0 ... 4 and a brush.
    static constexpr std::array<Rgb, kColourCount> kPalette = {{
        {0, 0, 0},
        {0, 0, 255},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {255, 0, 255},
        {165, 42, 42},
        {211, 211, 211},
        {47, 79, 79},
        {173, 216, 230},
        {32, 178, 170},
        {224, 255, 255},
        {240, 128, 128},
        {219, 112, 147},
        {255, 255, 0},
        {255, 255, 255},
    }};
    // The view's fonts, in the order of their commands; all are created 12 high.
    static constexpr std::array<const char *, 4> kFontNames = {"Arial", "MS Sans Serif", "Times",
                                                               "Wingdings"};

    struct Pan {
        int x = 0, y = 0;
    };

    Drawing2D() = default;
    explicit Drawing2D(Canvas *canvas, Ui *ui = nullptr) : m_canvas(canvas), m_ui(ui) {}

    void SetCanvas(Canvas *canvas) { m_canvas = canvas; }
    Canvas *GetCanvas() const { return m_canvas; }
    // Where refusals are reported (once each); without one they go to the standard error.
    void SetUi(Ui *ui) { m_ui = ui; }

    // --- The view's settings ---
    float g_scale2D = 1.0f; // pixels per millimetre
    Pan g_pan;              // pixels added to every drawn point
    int g_lineWidth = 1;    // pen width of the 2D drawing, 0 ... 4
    int g_textColour = 15;  // palette index of texts: 15 on the screen, 0 while printing
    bool g_hideDimensions = false;
    int m_fontIndex = 0; // into kFontNames
    int m_fontSize = 12;
    int m_viewWidth = 0; // the view's size in pixels, for the background and the grid
    int m_viewHeight = 0;
    // The program-wide magnet sizes (width, depth); the defaults 15 x 50 when none is given.
    const ValveCounters *m_magnets = nullptr;

    // Printing draws everything black on white paper; the text colour follows (0 or 15).
    void SetPrinting(bool printing);
    bool Printing() const { return m_printing; }

    // --- The transform ---
    // Pixels saturate at ±2^29 whatever the scale and pan, so that no sum of two overflows.
    int ScreenX(int x) const {
        return SaturatingInt(g_pan.x + std::trunc(double(static_cast<float>(x) * g_scale2D)));
    }
    int ScreenY(int y) const {
        return SaturatingInt(g_pan.y + std::trunc(double(static_cast<float>(y) * g_scale2D)));
    }
    int ScreenLength(int length) const {
        return SaturatingInt(static_cast<float>(length) * g_scale2D);
    }
    // The millimetres that `pixels` pixels stand for at the current scale (plus `extra`),
    // saturated.
    int ModelLength(float pixels, float extra = 0) const {
        return SaturatingInt(pixels / g_scale2D + extra);
    }

    // --- Paint set-up ---
    // What every paint does first: the current font, transparent text background, the pen of the
    // current colour with width g_lineWidth.
    void BeginPaint();
    // Fills the view (0, 0, m_viewWidth, m_viewHeight) with a colour, whatever the transform.
    void FillBackground(Rgb colour);

    // --- The primitives (model millimetres) ---
    // The pen of colour c (0 while printing) and the current width; c becomes the current colour.
    // An index outside 0 ... 15 is refused: nothing changes and drawing goes on.
    void SelectColour(int c);
    // The pen of the current colour and width w; a width outside 0 ... 4 is refused likewise.
    void SelectWidth(int w);
    // Brush c, and c becomes the current colour (0 while printing).
    void SelectBrush(int c);
    void DrawCircle(int x, int y, int r);
    // Frames the rectangle with the brush of the current colour.
    void FrameBox(int x1, int y1, int x2, int y2);
    void DrawText(int x, int y, const std::string &text);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void SetTextColour(int c);

    // --- The same in device pixels (no transform), for drawings given in pixels ---
    void MoveToPixel(int x, int y);
    void LineToPixel(int x, int y);
    void DrawTextPixel(int x, int y, const std::string &text);
    // The box filled with the current brush and outlined with the current pen.
    void RectanglePixel(int left, int top, int right, int bottom);

    int CurrentColour() const { return m_colour; }
    int CurrentWidth() const { return m_width; }
    // The colour a palette index draws in now (black while printing).
    Rgb Colour(int c) const;
    // How many palette indexes and widths were refused so far.
    int Refusals() const { return m_refusals; }

private:
    bool Accept(int value, int limit, const char *what, bool &reported);

    Canvas *m_canvas = nullptr;
    Ui *m_ui = nullptr;
    bool m_printing = false;
    int m_colour = 0;
    int m_width = 1;
    int m_refusals = 0;
    bool m_colourRefusalReported = false;
    bool m_widthRefusalReported = false;
};

} // namespace ventrel
