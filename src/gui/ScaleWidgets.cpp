// The scale chart on screen, the "Stop from Scale" dialog bound to its model, the chart window.
#include "ScaleWidgets.h"

#include "dialogs/ScaleDialog.h"
#include "platform/qtgui/PainterCanvas.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace ventrel {

// ---- the chart ----

ScaleChartView::ScaleChartView(QWidget *parent) : QWidget(parent) {
    setMinimumSize(420, 280);
    setObjectName("scaleChart");
}

void ScaleChartView::SetLines(std::vector<ChartLine> lines, std::string title) {
    m_lines = std::move(lines);
    m_title = std::move(title);
    if (m_highlighted >= static_cast<int>(m_lines.size()))
        m_highlighted = -1;
    update();
}

void ScaleChartView::SetHighlighted(int line) {
    m_highlighted = line;
    update();
}

ScaleChart ScaleChartView::Chart() const {
    return ScaleChart(m_lines, m_title, width(), height());
}

void ScaleChartView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    PainterCanvas canvas(painter);
    Chart().Draw(canvas, m_highlighted);
}

void ScaleChartView::mousePressEvent(QMouseEvent *event) {
    const QPoint point = event->position().toPoint();
    const int line = Chart().LineAt(point.x(), point.y());
    if (onClick)
        onClick(line);
}

// ---- Stop from Scale ----

ScaleDialogWidget::ScaleDialogWidget(ScaleDialog &model, QWidget *parent)
    : QDialog(parent), m_model(model) {
    setWindowTitle(ScaleDialog::kCaption);
    setObjectName("StopFromScale");
    auto *form = new QFormLayout;
    for (const auto &control : ScaleDialog::Controls()) {
        if (control.id == ScaleDialog::kResult)
            continue;
        const QString text = QString::fromStdString(model.Field(control.id));
        const auto choices = ScaleDialog::Choices(control.id);
        QWidget *field = nullptr;
        if (!choices.empty()) {
            auto *combo = new QComboBox;
            for (const std::string &choice : choices)
                combo->addItem(QString::fromStdString(choice));
            combo->setCurrentText(text);
            connect(combo, &QComboBox::currentTextChanged, this,
                    [this, id = control.id](const QString &value) { Edited(id, value); });
            field = combo;
        } else {
            auto *edit = new QLineEdit(text);
            edit->setMaximumWidth(control.id == ScaleDialog::kDeviation ? 220 : 120);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, id = control.id](const QString &value) { Edited(id, value); });
            field = edit;
        }
        field->setObjectName(QString("field%1").arg(control.id));
        m_fields[control.id] = field;
        form->addRow(control.label, field);
    }
    m_preview = new ScaleChartView;
    m_preview->setMinimumSize(560, 360);
    m_result = new QLabel;
    m_result->setObjectName(QString("field%1").arg(ScaleDialog::kResult));
    m_result->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("OK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *top = new QHBoxLayout;
    top->addLayout(form);
    top->addWidget(m_preview, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(m_result);
    layout->addWidget(buttons);
    ShowResult();
}

QWidget *ScaleDialogWidget::Field(int id) const {
    const auto it = m_fields.find(id);
    return it == m_fields.end() ? nullptr : it->second;
}

void ScaleDialogWidget::Edited(int id, const QString &text) {
    m_model.SetField(id, text.toStdString());
    ShowResult();
}

void ScaleDialogWidget::ShowResult() {
    m_result->setText(QString::fromStdString(m_model.Field(ScaleDialog::kResult)));
    auto lines = m_model.PreviewLines();
    const int added = m_model.Error().empty() ? static_cast<int>(lines.size()) - 1 : -1;
    m_preview->SetLines(std::move(lines), "Half-tones from the Normalmensur");
    m_preview->SetHighlighted(added);
}

void ScaleDialogWidget::accept() {
    if (m_model.Ok())
        QDialog::accept();
}

// ---- Scale Chart ----

ScaleChartWindow::ScaleChartWindow() : m_view(new ScaleChartView) {
    setWindowTitle("Scale Chart");
    setObjectName("ScaleChart");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    resize(1000, 600);
    m_view->onClick = [this](int line) {
        m_view->SetHighlighted(line);
        if (line >= 0 && onStop)
            onStop(m_view->Lines()[static_cast<size_t>(line)].stop);
    };
}

void ScaleChartWindow::Show(std::vector<ChartLine> lines, const std::string &chestName) {
    m_view->SetLines(std::move(lines),
                     "Scale chart of " + chestName + ": half-tones from the Normalmensur");
    show();
    raise();
}

} // namespace ventrel
