// The scale chart on screen, the "Stop from Scale" dialog bound to its model, the chart window.
#pragma once

#include "scale/ScaleChart.h"

#include <QDialog>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QLabel;

namespace ventrel {

class ScaleDialog;

// Paints a scale chart filling the widget; a click on a line calls the click handler with the
// line's index (-1 for none).
class ScaleChartView : public QWidget {
    Q_OBJECT
public:
    explicit ScaleChartView(QWidget *parent = nullptr);
    void SetLines(std::vector<ChartLine> lines, std::string title);
    void SetHighlighted(int line);
    int Highlighted() const { return m_highlighted; }
    const std::vector<ChartLine> &Lines() const { return m_lines; }
    // The chart as it is laid out at the widget's present size.
    ScaleChart Chart() const;
    std::function<void(int line)> onClick;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::vector<ChartLine> m_lines;
    std::string m_title;
    int m_highlighted = -1;
};

class ScaleDialogWidget : public QDialog {
    Q_OBJECT
public:
    explicit ScaleDialogWidget(ScaleDialog &model, QWidget *parent = nullptr);
    QWidget *Field(int id) const;
    ScaleChartView *Preview() const { return m_preview; }
    void accept() override;

private:
    void Edited(int id, const QString &text);
    void ShowResult();

    ScaleDialog &m_model;
    std::map<int, QWidget *> m_fields;
    QLabel *m_result = nullptr;
    ScaleChartView *m_preview = nullptr;
};

// The "Scale Chart" window of the current chest: clicking a line calls onStop with its stop.
class ScaleChartWindow : public QWidget {
    Q_OBJECT
public:
    ScaleChartWindow();
    void Show(std::vector<ChartLine> lines, const std::string &chestName);
    ScaleChartView *View() const { return m_view; }
    std::function<void(int stop)> onStop;

private:
    ScaleChartView *m_view;
};

} // namespace ventrel
