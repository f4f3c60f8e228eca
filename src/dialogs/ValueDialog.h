// A small modal dialog editing one number: the printing scale and the line width.
#pragma once

#include <string>

namespace ventrel {

class Ui;

class ValueDialog {
public:
    enum class Kind { Integer, Real };

    // "Printing Scale": one real number under "Scale", always opening on 5. Only positive scales
    // are taken, since the drawing divides by it.
    static ValueDialog PrintingScale();
    // The line width of the 2D drawing (template 178): one integer opening on the current width,
    // 0 ... 4 (the widths the drawing has pens for).
    static ValueDialog LineWidth(int current);

    const std::string &Title() const { return m_title; }
    const std::string &Label() const { return m_label; }
    int ControlId() const { return m_controlId; }
    Kind GetKind() const { return m_kind; }

    const std::string &Text() const { return m_text; }
    void SetText(const std::string &text) { m_text = text; }

    // "OK": false with the framework's message when the text is not an acceptable number (the
    // dialog stays open); otherwise the value is taken.
    bool Ok(Ui &ui);
    double Value() const { return m_value; }

private:
    ValueDialog() = default;

    std::string m_title;
    std::string m_label;
    int m_controlId = 0;
    Kind m_kind = Kind::Integer;
    std::string m_text;
    double m_value = 0;
    double m_min = 0, m_max = 0;
    bool m_minExclusive = false;
};

} // namespace ventrel
