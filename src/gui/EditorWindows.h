// The modeless editor windows, each bound to its model: polyline, loft editor, chest positions.
#pragma once

#include <QWidget>

#include <initializer_list>
#include <map>
#include <utility>

class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace ventrel {

class ChestPositionDialog;
class LoftEditor;
class PolylineDialog;

// What the modeless windows share: they never keep the program running once the main window has
// gone, and a right click anywhere in them reaches the model.
class ModelessWindow : public QWidget {
    Q_OBJECT
public:
    explicit ModelessWindow(const char *objectName);
    QPushButton *Button(int id) const;
    // Shows the model's fields again.
    virtual void Reload() = 0;

protected:
    // A button that presses `id` on the model.
    QPushButton *AddButton(int id, const QString &text);
    // A row of such buttons, right-aligned.
    QHBoxLayout *ButtonRow(std::initializer_list<std::pair<int, const char *>> buttons);
    // Presses `id` on the model; the window shows the model again and hides when it closes.
    virtual void Press(int id) = 0;
    template <typename Model> void PressOn(Model *model, int id) {
        if (!model)
            return;
        const bool closes = model->Press(id);
        Reload();
        if (closes)
            hide();
    }
    // Watches every child for right clicks (and whatever a subclass adds).
    void WatchChildren();
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    virtual void RightClick() {}

    std::map<int, QPushButton *> m_buttons;
};

class PolylineWindow : public ModelessWindow {
    Q_OBJECT
public:
    PolylineWindow();
    void Bind(PolylineDialog *model);
    void Reload() override;
    QLineEdit *Edit(int id) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void RightClick() override;

private:
    void Press(int id) override;

    PolylineDialog *m_model = nullptr;
    QComboBox *m_shapes;
    QLineEdit *m_length;
    QLineEdit *m_tool;
};

class LoftEditorWindow : public ModelessWindow {
    Q_OBJECT
public:
    LoftEditorWindow();
    // nullptr unbinds (the model is about to go).
    void Bind(LoftEditor *model);
    void Reload() override;
    QLineEdit *Edit(int id) const;
    QComboBox *Planes(int id) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Press(int id) override;
    void ChooseFile(int id);

    LoftEditor *m_model = nullptr;
    std::map<int, QLineEdit *> m_edits;
    std::map<int, QComboBox *> m_planes;
    bool m_loading = false;
    bool m_choosing = false;
    bool m_choicePending = false;
};

class ChestPositionWindow : public ModelessWindow {
    Q_OBJECT
public:
    ChestPositionWindow();
    void Bind(ChestPositionDialog *model);
    void Reload() override;
    QLineEdit *Edit(int id) const;
    QListWidget *List(int id) const;
    QComboBox *Copy() const { return m_copy; }
    QScrollBar *Scroll() const { return m_scroll; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void RightClick() override;

private:
    void Press(int id) override;

    ChestPositionDialog *m_model = nullptr;
    std::map<int, QLineEdit *> m_edits;
    std::map<int, QListWidget *> m_lists;
    QComboBox *m_copy;
    QScrollBar *m_scroll;
    bool m_loading = false;
};

} // namespace ventrel
