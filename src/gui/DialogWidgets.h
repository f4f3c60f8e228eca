// The dialog windows, each bound to its dialog model: ELECTROS, one-number dialogs, pipe positions.
#pragma once

#include <QDialog>
#include <QWidget>

#include <map>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ventrel {

class ElectrosDialog;
class PipePositionDialog;
class Ui;
class ValueDialog;

class ElectrosDialogWidget : public QDialog {
    Q_OBJECT
public:
    ElectrosDialogWidget(ElectrosDialog &model, QWidget *parent = nullptr);
    QLineEdit *Edit(int id) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Store();
    void Show(bool all);
    void PilotEdited();

    ElectrosDialog &m_model;
    std::map<int, QLineEdit *> m_edits;
    QLabel *m_result = nullptr;
    bool m_loading = false;
};

class ValueDialogWidget : public QDialog {
    Q_OBJECT
public:
    ValueDialogWidget(ValueDialog &model, Ui &ui, QWidget *parent = nullptr);
    QLineEdit *Edit() const { return m_edit; }
    void accept() override;

private:
    ValueDialog &m_model;
    Ui &m_ui;
    QLineEdit *m_edit;
};

// The modeless "Pipe positions" window: what the last pick found; "REFRESH" moves that pipe.
class PipePositionWindow : public QWidget {
    Q_OBJECT
public:
    PipePositionWindow();
    void Bind(PipePositionDialog *model);
    // Shows the model's fields again.
    void Reload();
    QLineEdit *Edit(int id) const;
    QPushButton *Button(int id) const;

private:
    PipePositionDialog *m_model = nullptr;
    std::map<int, QLineEdit *> m_edits;
    std::map<int, QPushButton *> m_buttons;
};

} // namespace ventrel
