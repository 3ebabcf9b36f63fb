// The psychrometric chart window: the four air states of the current case on a
// chart at the site's barometric pressure, beside the main window. The window
// only paints what the chart library lays out and shows each state's full
// psychrometric state when the mouse rests on it.
#pragma once

#include "ChartGeometry.h"
#include "ChartModel.h"

#include <QIcon>
#include <QString>
#include <QWidget>

namespace kestrix::ui {

class frmChart : public QWidget {
    Q_OBJECT
public:
    explicit frmChart(QWidget* parent = nullptr);

    // Shows the chart of a case; called after every calculation.
    void SetModel(const chart::ChartModel& model);
    const chart::ChartModel& Model() const { return model_; }
    // The layout of the chart as last painted (or as it would be painted now).
    const chart::ChartLayout& Layout();

    // The hover text at a point of the window (rich text), empty away from
    // the states.
    QString ToolTipAt(const QPointF& pos);

public slots:
    // File > Export Chart…: asks for a file name and writes PNG or SVG.
    void mnuFileExportChart_Click();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    chart::ChartModel model_;
    chart::ChartLayout layout_;
    bool layoutDirty_ = true;
};

// Asks for a file through the dialog seam and writes the chart of model there,
// as SVG for a ".svg" name and PNG otherwise (a name without a suffix gets
// ".png"). A failure is told through the message seam. Returns the path
// written, or an empty string.
QString ExportChartDialog(QWidget* parent, const chart::ChartModel& model);

// The toolbar picture of the chart: a saturation curve with a process arrow.
QIcon ChartIcon();

} // namespace kestrix::ui
