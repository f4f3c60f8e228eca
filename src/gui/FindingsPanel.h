// The dock panel of the chest checker's findings: one row per finding, a choice calls onFinding.
#pragma once

#include <QDockWidget>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;

namespace ventrel {

class FindingsPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit FindingsPanel(QWidget *parent = nullptr);
    // The findings of a chest, replacing those shown; the panel is shown.
    void Show(const std::vector<std::string> &lines, const std::string &chestName);
    // No findings any more (the chest they were about is gone); the panel stays as it is.
    void Clear();
    QListWidget *List() const { return m_list; }
    QLabel *Heading() const { return m_heading; }
    // The row chosen (clicked, or reached with the keys), counted from 0.
    std::function<void(int row)> onFinding;

private:
    QLabel *m_heading;
    QListWidget *m_list;
    bool m_filling = false;
};

} // namespace ventrel
