// A small modal dialog editing one number: the printing scale and the line width.
#include "ValueDialog.h"

#include "DialogField.h"

#include "platform/Ui.h"

#include <limits>

namespace ventrel {

ValueDialog ValueDialog::PrintingScale() {
    ValueDialog dialog;
    dialog.m_title = "Printing Scale";
    dialog.m_label = "Scale";
    dialog.m_controlId = 1001;
    dialog.m_kind = Kind::Real;
    dialog.m_text = "5";
    dialog.m_value = 5;
    dialog.m_min = 0;
    dialog.m_minExclusive = true;
    dialog.m_max = std::numeric_limits<double>::max();
    return dialog;
}

ValueDialog ValueDialog::LineWidth(int current) {
    ValueDialog dialog;
    dialog.m_title = "Line Width";
    dialog.m_label = "Line Width";
    dialog.m_controlId = 1068;
    dialog.m_kind = Kind::Integer;
    dialog.m_text = std::to_string(current);
    dialog.m_value = current;
    dialog.m_min = 0;
    dialog.m_max = 4;
    return dialog;
}

bool ValueDialog::Ok(Ui &ui) {
    double value = 0;
    if (m_kind == Kind::Integer) {
        const auto number = ReadIntField(m_text, ui);
        if (!number)
            return false;
        value = *number;
        if (value < m_min || value > m_max) {
            ui.MessageBox(Format("Please enter an integer between %d and %d.",
                                 static_cast<int>(m_min), static_cast<int>(m_max)));
            return false;
        }
    } else {
        const auto number = ReadRealField(m_text, ui);
        if (!number)
            return false;
        value = *number;
        if ((m_minExclusive ? value <= m_min : value < m_min) || value > m_max) {
            ui.MessageBox("Please enter a number greater than 0.");
            return false;
        }
    }
    m_value = value;
    return true;
}

} // namespace ventrel
