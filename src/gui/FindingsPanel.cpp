// The dock panel of the chest checker's findings: one row per finding, a choice calls onFinding.
#include "FindingsPanel.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace ventrel {

FindingsPanel::FindingsPanel(QWidget *parent)
    : QDockWidget("Findings", parent), m_heading(new QLabel), m_list(new QListWidget) {
    setObjectName("FindingsPanel");
    m_heading->setObjectName("FindingsHeading");
    m_list->setObjectName("FindingsList");
    // The rows are compiler messages: a fixed-width font keeps their places in columns.
    m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_heading);
    layout->addWidget(m_list);
    setWidget(content);
    auto choose = [this](int row) {
        if (!m_filling && row >= 0 && onFinding)
            onFinding(row);
    };
    connect(m_list, &QListWidget::currentRowChanged, this, choose);
    connect(m_list, &QListWidget::itemClicked, this,
            [this, choose](QListWidgetItem *item) { choose(m_list->row(item)); });
}

void FindingsPanel::Show(const std::vector<std::string> &lines, const std::string &chestName) {
    m_filling = true;
    m_list->clear();
    for (const std::string &line : lines)
        m_list->addItem(QString::fromStdString(line));
    m_filling = false;
    const QString chest = QString::fromStdString(chestName);
    m_heading->setText(
        lines.empty() ? QString("%1: no finding").arg(chest)
        : lines.size() == 1
            ? QString("%1: 1 finding; choose it to see its pipes").arg(chest)
            : QString("%1: %2 findings; choose one to see its pipes").arg(chest).arg(lines.size()));
    show();
    raise();
}

void FindingsPanel::Clear() {
    m_filling = true;
    m_list->clear();
    m_filling = false;
    m_heading->setText("Check Chest lists the findings of the current chest here");
}

} // namespace ventrel
