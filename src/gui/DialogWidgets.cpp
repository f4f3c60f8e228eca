// The dialog windows, each bound to its dialog model: ELECTROS, one-number dialogs, pipe positions.
#include "DialogWidgets.h"

#include "dialogs/ElectrosDialog.h"
#include "dialogs/PipePositionDialog.h"
#include "dialogs/ValueDialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ventrel {

// ---- ELECTROS ----

ElectrosDialogWidget::ElectrosDialogWidget(ElectrosDialog &model, QWidget *parent)
    : QDialog(parent), m_model(model) {
    setWindowTitle(ElectrosDialog::kCaption);
    setObjectName("ELECTROS");
    auto *grid = new QGridLayout;
    // The settings in the left column, the valve counters and their total in the right one.
    int rows[2] = {0, 0};
    for (const auto &control : ElectrosDialog::Controls()) {
        if (control.id == ElectrosDialog::kResult)
            continue;
        auto *edit = new QLineEdit;
        edit->setObjectName(QString("field%1").arg(control.id));
        edit->setReadOnly(!control.editable);
        edit->setMaximumWidth(control.id == ElectrosDialog::kTextures ? 240 : 80);
        if (control.id == ElectrosDialog::kTextures)
            edit->setMaxLength(static_cast<int>(ElectrosDialog::kTexturesLength));
        m_edits[control.id] = edit;
        const int column = control.editable ? 0 : 1;
        grid->addWidget(new QLabel(control.label), rows[column], column * 2);
        grid->addWidget(edit, rows[column]++, column * 2 + 1);
    }
    m_result = new QLabel;
    m_result->setObjectName("field1017");
    auto *refresh = new QPushButton("Refresh");
    refresh->setObjectName("Refresh");
    refresh->setAutoDefault(false);
    auto *ok = new QPushButton("OK");
    ok->setObjectName("OK");
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_result, 1);
    buttons->addWidget(refresh);
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    Show(true);
    QLineEdit *pilot = m_edits[ElectrosDialog::kPilotDiameter];
    pilot->installEventFilter(this);
    connect(pilot, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            PilotEdited();
    });
    connect(refresh, &QPushButton::clicked, this, [this] {
        Store();
        if (m_model.Refresh())
            Show(true);
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        Store();
        if (m_model.Ok())
            QDialog::accept();
    });
}

QLineEdit *ElectrosDialogWidget::Edit(int id) const {
    const auto it = m_edits.find(id);
    return it == m_edits.end() ? nullptr : it->second;
}

bool ElectrosDialogWidget::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn && watched == m_edits[ElectrosDialog::kPilotDiameter])
        PilotEdited();
    return QDialog::eventFilter(watched, event);
}

void ElectrosDialogWidget::Store() {
    for (const auto &[id, edit] : m_edits)
        if (!edit->isReadOnly())
            m_model.SetField(id, edit->text().toStdString());
}

void ElectrosDialogWidget::Show(bool all) {
    m_loading = true;
    for (const auto &[id, edit] : m_edits)
        if (all || edit->isReadOnly())
            edit->setText(QString::fromStdString(m_model.Field(id)));
    m_result->setText(QString::fromStdString(m_model.Field(ElectrosDialog::kResult)));
    m_loading = false;
}

void ElectrosDialogWidget::PilotEdited() {
    m_model.PilotEdited();
    Show(false);
}

// ---- one number ----

ValueDialogWidget::ValueDialogWidget(ValueDialog &model, Ui &ui, QWidget *parent)
    : QDialog(parent), m_model(model), m_ui(ui), m_edit(new QLineEdit) {
    setWindowTitle(QString::fromStdString(model.Title()));
    m_edit->setObjectName(QString("field%1").arg(model.ControlId()));
    m_edit->setText(QString::fromStdString(model.Text()));
    auto *form = new QFormLayout;
    form->addRow(QString::fromStdString(model.Label()), m_edit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ValueDialogWidget::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void ValueDialogWidget::accept() {
    m_model.SetText(m_edit->text().toStdString());
    if (m_model.Ok(m_ui))
        QDialog::accept();
}

// ---- pipe positions ----

PipePositionWindow::PipePositionWindow() : QWidget(nullptr, Qt::Window) {
    setWindowTitle(PipePositionDialog::kCaption);
    setObjectName("PipePositions");
    // A modeless window alone on the screen does not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *form = new QFormLayout;
    for (const auto &[id, label] : PipePositionDialog::Labels()) {
        auto *edit = new QLineEdit;
        edit->setReadOnly(!PipePositionDialog::Editable(id));
        edit->setObjectName(QString("field%1").arg(id));
        m_edits[id] = edit;
        form->addRow(label, edit);
        connect(edit, &QLineEdit::textEdited, this, [this, id = id](const QString &text) {
            if (m_model)
                m_model->SetField(id, text.toStdString());
        });
    }
    auto *buttons = new QHBoxLayout;
    for (const auto &[id, text] :
         {std::pair{PipePositionDialog::kRefresh, "REFRESH"},
          std::pair{PipePositionDialog::kUndo, "Undo"}, std::pair{PipePositionDialog::kOk, "OK"},
          std::pair{PipePositionDialog::kCancel, "Cancel"}}) {
        auto *button = new QPushButton(text);
        button->setObjectName(QString("button%1").arg(id));
        button->setAutoDefault(false);
        m_buttons[id] = button;
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, id = id] {
            if (m_model && m_model->Press(id))
                hide();
        });
    }
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void PipePositionWindow::Bind(PipePositionDialog *model) {
    m_model = model;
    Reload();
}

void PipePositionWindow::Reload() {
    for (const auto &[id, edit] : m_edits) {
        const QString text = m_model ? QString::fromStdString(m_model->Field(id)) : QString();
        if (edit->text() != text)
            edit->setText(text);
    }
}

QLineEdit *PipePositionWindow::Edit(int id) const {
    const auto it = m_edits.find(id);
    return it == m_edits.end() ? nullptr : it->second;
}

QPushButton *PipePositionWindow::Button(int id) const {
    const auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second;
}

} // namespace ventrel
