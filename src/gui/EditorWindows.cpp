// The modeless editor windows, each bound to its model: polyline, loft editor, chest positions.
#include "EditorWindows.h"

#include "dialogs/ChestPositionDialog.h"
#include "dialogs/LoftEditor.h"
#include "dialogs/PolylineDialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace ventrel {
namespace {

template <typename Map> typename Map::mapped_type Find(const Map &map, int id) {
    const auto it = map.find(id);
    return it == map.end() ? nullptr : it->second;
}

QString Text(const std::string &text) {
    return QString::fromStdString(text);
}

// Shows the text unless the edit shows it already (the cursor stays where the user left it).
void ShowText(QLineEdit *edit, const std::string &text) {
    if (edit->text() != Text(text))
        edit->setText(Text(text));
}

QLineEdit *NamedEdit(int id) {
    auto *edit = new QLineEdit;
    edit->setObjectName(QString("field%1").arg(id));
    return edit;
}

} // namespace

// ---- shared ----

ModelessWindow::ModelessWindow(const char *objectName) : QWidget(nullptr, Qt::Window) {
    setObjectName(objectName);
    // A modeless window alone on the screen does not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
}

QPushButton *ModelessWindow::Button(int id) const {
    return Find(m_buttons, id);
}

QPushButton *ModelessWindow::AddButton(int id, const QString &text) {
    auto *button = new QPushButton(text);
    button->setObjectName(QString("button%1").arg(id));
    button->setAutoDefault(false);
    m_buttons[id] = button;
    connect(button, &QPushButton::clicked, this, [this, id] { Press(id); });
    return button;
}

QHBoxLayout *
ModelessWindow::ButtonRow(std::initializer_list<std::pair<int, const char *>> buttons) {
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    for (const auto &[id, text] : buttons)
        row->addWidget(AddButton(id, text));
    return row;
}

void ModelessWindow::WatchChildren() {
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

bool ModelessWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
        RightClick();
    return QWidget::eventFilter(watched, event);
}

void ModelessWindow::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::RightButton)
        RightClick();
    QWidget::mousePressEvent(event);
}

// ---- polyline ----

PolylineWindow::PolylineWindow()
    : ModelessWindow("PolylineDialog"), m_shapes(new QComboBox),
      m_length(NamedEdit(PolylineDialog::kLength)), m_tool(NamedEdit(PolylineDialog::kTool)) {
    setWindowTitle(PolylineDialog::kCaption);
    m_shapes->setObjectName(QString("field%1").arg(PolylineDialog::kShapes));
    m_tool->setReadOnly(true);
    auto *tools = new QGridLayout;
    int n = 0;
    for (const auto &button : PolylineDialog::Buttons()) {
        tools->addWidget(AddButton(button.id, button.text), n / 3, n % 3);
        ++n;
    }
    auto *form = new QFormLayout;
    form->addRow("Shape", m_shapes);
    form->addRow("Length", m_length);
    form->addRow("Tool", m_tool);
    QHBoxLayout *buttons =
        ButtonRow({{PolylineDialog::kOk, "OK"}, {PolylineDialog::kCancel, "Cancel"}});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(tools);
    layout->addLayout(buttons);
    connect(m_length, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (m_model)
            m_model->SetField(PolylineDialog::kLength, text.toStdString());
    });
    WatchChildren();
}

void PolylineWindow::Bind(PolylineDialog *model) {
    m_model = model;
    Reload();
}

void PolylineWindow::Reload() {
    if (!m_model)
        return;
    ShowText(m_length, m_model->Field(PolylineDialog::kLength));
    ShowText(m_tool, m_model->Field(PolylineDialog::kTool));
}

QLineEdit *PolylineWindow::Edit(int id) const {
    return id == PolylineDialog::kLength ? m_length
           : id == PolylineDialog::kTool ? m_tool
                                         : nullptr;
}

void PolylineWindow::Press(int id) {
    PressOn(m_model, id);
}

bool PolylineWindow::eventFilter(QObject *watched, QEvent *event) {
    // The Left arrow closes the dialog, except where it moves the cursor of the Length field.
    if (event->type() == QEvent::KeyPress && watched != m_length &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Left && m_model &&
        m_model->KeyDown(PolylineDialog::kKeyLeft)) {
        hide();
        return true;
    }
    return ModelessWindow::eventFilter(watched, event);
}

void PolylineWindow::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Left && m_model && m_model->KeyDown(PolylineDialog::kKeyLeft)) {
        hide();
        return;
    }
    ModelessWindow::keyPressEvent(event);
}

void PolylineWindow::closeEvent(QCloseEvent *event) {
    if (m_model)
        m_model->Press(PolylineDialog::kCancel);
    event->accept();
}

void PolylineWindow::RightClick() {
    if (m_model)
        m_model->RightClick();
}

// ---- loft editor ----

LoftEditorWindow::LoftEditorWindow() : ModelessWindow("LoftEditor") {
    setWindowTitle(LoftEditor::kCaption);
    auto *grid = new QGridLayout;
    const struct {
        int edit, plane;
        const char *title;
    } sides[2] = {{LoftEditor::kCouple, LoftEditor::kCouplePlane, "COUPLE"},
                  {LoftEditor::kForme, LoftEditor::kFormePlane, "FORME"}};
    for (int column = 0; column < 2; ++column) {
        auto *box = new QGroupBox(sides[column].title);
        auto *inner = new QVBoxLayout(box);
        QLineEdit *edit = NamedEdit(sides[column].edit);
        // Only a click asks for the file: the window opening or a Tab does not.
        edit->setFocusPolicy(Qt::ClickFocus);
        auto *plane = new QComboBox;
        plane->setObjectName(QString("field%1").arg(sides[column].plane));
        for (const std::string &name : LoftEditor::PlaneNames())
            plane->addItem(Text(name));
        inner->addWidget(edit);
        inner->addWidget(plane);
        m_edits[sides[column].edit] = edit;
        m_planes[sides[column].plane] = plane;
        grid->addWidget(box, 0, column);
        connect(plane, &QComboBox::currentIndexChanged, this,
                [this, id = sides[column].plane](int i) {
                    if (!m_loading && m_model)
                        m_model->SelectPlane(id, i);
                });
    }
    auto *numbers = new QHBoxLayout;
    for (int id :
         {LoftEditor::kNumber1, LoftEditor::kNumber2, LoftEditor::kNumber3, LoftEditor::kNumber4}) {
        QLineEdit *edit = NamedEdit(id);
        edit->setMaximumWidth(60);
        m_edits[id] = edit;
        numbers->addWidget(edit);
    }
    QHBoxLayout *buttons = ButtonRow({{LoftEditor::kMakeLoft, "Make Loft"},
                                      {LoftEditor::kSaveLoft, "SaveLoft"},
                                      {LoftEditor::kClearLoft, "Clear Loft"},
                                      {LoftEditor::kOk, "OK"},
                                      {LoftEditor::kCancel, "Cancel"}});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(numbers);
    layout->addLayout(buttons);
    WatchChildren();
    Reload();
}

void LoftEditorWindow::Bind(LoftEditor *model) {
    m_model = model;
    Reload();
}

void LoftEditorWindow::Reload() {
    m_loading = true;
    for (const auto &[id, edit] : m_edits)
        if (id == LoftEditor::kCouple || id == LoftEditor::kForme)
            ShowText(edit, m_model ? m_model->Field(id) : "");
    for (const auto &[id, plane] : m_planes)
        plane->setCurrentIndex(m_model ? m_model->PlaneSelection(id) : 0);
    m_loading = false;
}

QLineEdit *LoftEditorWindow::Edit(int id) const {
    return Find(m_edits, id);
}

QComboBox *LoftEditorWindow::Planes(int id) const {
    return Find(m_planes, id);
}

void LoftEditorWindow::Press(int id) {
    PressOn(m_model, id);
}

void LoftEditorWindow::ChooseFile(int id) {
    if (!m_model || m_choosing)
        return;
    m_choosing = true;
    // The focus moves on first, so that coming back from the file dialog does not ask again.
    Button(LoftEditor::kMakeLoft)->setFocus();
    m_model->ChooseFile(id);
    Reload();
    m_choosing = false;
}

bool LoftEditorWindow::eventFilter(QObject *watched, QEvent *event) {
    const bool click = event->type() == QEvent::MouseButtonPress &&
                       static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    if ((click || event->type() == QEvent::FocusIn) && m_model) {
        // A click, or the focus coming by other means, asks once for the file.
        for (int id : {LoftEditor::kCouple, LoftEditor::kForme})
            if (watched == m_edits[id] && !m_choosing && !m_choicePending) {
                m_choicePending = true;
                QTimer::singleShot(0, this, [this, id] {
                    m_choicePending = false;
                    ChooseFile(id);
                });
            }
    }
    if (event->type() == QEvent::FocusIn && m_model)
        for (const auto &[id, plane] : m_planes)
            if (watched == plane)
                m_model->FocusPlane(id);
    return ModelessWindow::eventFilter(watched, event);
}

void LoftEditorWindow::closeEvent(QCloseEvent *event) {
    if (m_model)
        m_model->Press(LoftEditor::kCancel);
    event->accept();
}

// ---- chest positions ----

ChestPositionWindow::ChestPositionWindow()
    : ModelessWindow("ChestPositions"), m_copy(new QComboBox),
      m_scroll(new QScrollBar(Qt::Horizontal)) {
    setWindowTitle(ChestPositionDialog::kCaption);
    m_copy->setObjectName(QString("field%1").arg(ChestPositionDialog::kChestCopy));
    m_scroll->setObjectName("scroll");
    auto *position = new QFormLayout;
    for (const auto &[id, label] :
         {std::pair{ChestPositionDialog::kX, "X"}, std::pair{ChestPositionDialog::kY, "Y"},
          std::pair{ChestPositionDialog::kZ, "Z"}}) {
        QLineEdit *edit = NamedEdit(id);
        m_edits[id] = edit;
        position->addRow(label, edit);
        connect(edit, &QLineEdit::textEdited, this, [this, id = id](const QString &text) {
            if (m_model)
                m_model->SetField(id, text.toStdString());
            Reload();
        });
    }
    position->addRow("Chest", m_copy);
    for (int id : {ChestPositionDialog::kChests, ChestPositionDialog::kStops,
                   ChestPositionDialog::kStopsEmpty}) {
        auto *list = new QListWidget;
        list->setObjectName(QString("field%1").arg(id));
        m_lists[id] = list;
    }
    m_lists[ChestPositionDialog::kStops]->setMinimumWidth(360);
    connect(m_lists[ChestPositionDialog::kChests], &QListWidget::currentRowChanged, this,
            [this](int row) {
                if (!m_loading && m_model && row >= 0)
                    m_model->SelectChest(row);
                Reload();
            });
    connect(m_lists[ChestPositionDialog::kStops], &QListWidget::currentRowChanged, this,
            [this](int row) {
                if (!m_loading && m_model && row >= 0)
                    m_model->SelectStop(row);
                Reload();
            });
    connect(m_scroll, &QScrollBar::valueChanged, this, [this] {
        if (m_model)
            m_model->HorizontalScroll();
    });
    auto *lists = new QHBoxLayout;
    lists->addWidget(m_lists[ChestPositionDialog::kChests]);
    lists->addWidget(m_lists[ChestPositionDialog::kStops], 2);
    lists->addWidget(m_lists[ChestPositionDialog::kStopsEmpty]);
    QHBoxLayout *buttons = ButtonRow({{ChestPositionDialog::kRefresh, "Refresh"},
                                      {ChestPositionDialog::kAddChest, "Add Chest"},
                                      {ChestPositionDialog::kDeleteChest, "Delete Chest"},
                                      {ChestPositionDialog::kOk, "OK"},
                                      {ChestPositionDialog::kCancel, "Cancel"}});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(position);
    layout->addLayout(lists);
    layout->addWidget(m_scroll);
    layout->addLayout(buttons);
    WatchChildren();
}

void ChestPositionWindow::Bind(ChestPositionDialog *model) {
    m_model = model;
    Reload();
}

void ChestPositionWindow::Reload() {
    if (!m_model || m_loading)
        return;
    m_loading = true;
    for (const auto &[id, edit] : m_edits)
        ShowText(edit, m_model->Field(id));
    for (const auto &[id, list] : m_lists) {
        QStringList lines;
        for (const std::string &line : m_model->Lines(id))
            lines << Text(line);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        if (shown != lines) {
            list->clear();
            list->addItems(lines);
        }
        const int selected = m_model->Selection(id);
        if (list->currentRow() != selected)
            list->setCurrentRow(selected);
    }
    QStringList copy;
    for (const std::string &line : m_model->Lines(ChestPositionDialog::kChestCopy))
        copy << Text(line);
    QStringList shownCopy;
    for (int i = 0; i < m_copy->count(); ++i)
        shownCopy << m_copy->itemText(i);
    if (shownCopy != copy) {
        m_copy->clear();
        m_copy->addItems(copy);
    }
    m_loading = false;
}

QLineEdit *ChestPositionWindow::Edit(int id) const {
    return Find(m_edits, id);
}

QListWidget *ChestPositionWindow::List(int id) const {
    return Find(m_lists, id);
}

void ChestPositionWindow::Press(int id) {
    PressOn(m_model, id);
}

bool ChestPositionWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn && m_model &&
        watched == m_lists[ChestPositionDialog::kChests])
        m_model->FocusChestList();
    return ModelessWindow::eventFilter(watched, event);
}

void ChestPositionWindow::closeEvent(QCloseEvent *event) {
    if (m_model)
        m_model->Press(ChestPositionDialog::kCancel);
    event->accept();
}

void ChestPositionWindow::RightClick() {
    if (m_model)
        m_model->RightClick();
}

} // namespace ventrel
