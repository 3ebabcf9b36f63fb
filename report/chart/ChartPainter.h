// Paints the psychrometric chart through QPainter and writes it as PNG or SVG.
// The painter works in logical coordinates with cosmetic pens, so the chart is
// as sharp on a high-DPI screen or a 2x image as at 96 dpi.
#pragma once

#include "ChartGeometry.h"
#include "ChartModel.h"

#include <QFont>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace kestrix::chart {

// The font of each kind of chart text (Arial, which resolves to Liberation
// Sans, at the pixel sizes of the layout).
QFont ChartFont(TextRole role);
// Measures texts with the chart's fonts.
TextMeasure FontTextMeasure();

// The layout DrawChart paints into rect, for hit tests of the window.
ChartLayout LayoutForRect(const QRectF& rect, const ChartModel& model);

void DrawChart(QPainter& painter, const QRectF& rect, const ChartModel& model);
// Paints a layout already made (the window keeps one for hovering).
void DrawLayout(QPainter& painter, const ChartLayout& layout, const ChartModel& model);

// The size at which the chart is exported, logical pixels.
inline constexpr QSize kExportSize{1200, 800};

// Writes the chart to path; false with a message naming the file when the file
// cannot be written. PNG is rendered at twice the logical size for sharp print.
bool ExportChartPng(const QString& path, const ChartModel& model, QString* error,
                    QSize size = kExportSize);
bool ExportChartSvg(const QString& path, const ChartModel& model, QString* error,
                    QSize size = kExportSize);
// Chooses PNG or SVG by the file's suffix (".svg", anything else is PNG).
bool ExportChart(const QString& path, const ChartModel& model, QString* error,
                 QSize size = kExportSize);

} // namespace kestrix::chart
