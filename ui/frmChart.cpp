// The psychrometric chart window.
#include "frmChart.h"

#include "ChartPainter.h"
#include "Seams.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolTip>

namespace kestrix::ui {

namespace {

const QString kExportTitle = QStringLiteral("Export Chart");
const QString kExportFilter = QStringLiteral("PNG picture (*.png);;SVG drawing (*.svg)");

} // namespace

frmChart::frmChart(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmChart");
    setWindowTitle("Psychrometric Chart");
    setMouseTracking(true);
    setMinimumSize(480, 320);
    resize(900, 600);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void frmChart::SetModel(const chart::ChartModel& model) {
    model_ = model;
    layoutDirty_ = true;
    update();
}

const chart::ChartLayout& frmChart::Layout() {
    if (layoutDirty_) {
        layout_ = chart::LayoutForRect(QRectF(rect()), model_);
        layoutDirty_ = false;
    }
    return layout_;
}

QString frmChart::ToolTipAt(const QPointF& pos) {
    const auto id = chart::StateAt(Layout(), {pos.x(), pos.y()});
    if (!id)
        return {};
    const chart::AirState& s = model_.states[static_cast<std::size_t>(*id)];
    QString html = "<b>" + QString::fromStdString(s.name).toHtmlEscaped() + "</b><table>";
    for (const auto& [caption, value] : chart::StateRows(model_, *id))
        html += "<tr><td>" + QString::fromStdString(caption).toHtmlEscaped() +
                "</td><td align=\"right\">&nbsp;&nbsp;" +
                QString::fromStdString(value).toHtmlEscaped() + "</td></tr>";
    return html + "</table>";
}

bool frmChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = ToolTipAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

void frmChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    chart::DrawLayout(painter, Layout(), model_);
}

void frmChart::resizeEvent(QResizeEvent* event) {
    layoutDirty_ = true;
    QWidget::resizeEvent(event);
}

void frmChart::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* exportChart = menu.addAction("&Export Chart…");
    exportChart->setObjectName("mnuChartExport");
    connect(exportChart, &QAction::triggered, this, &frmChart::mnuFileExportChart_Click);
    menu.exec(event->globalPos());
}

void frmChart::mnuFileExportChart_Click() {
    ExportChartDialog(this, model_);
}

QString ExportChartDialog(QWidget* parent, const chart::ChartModel& model) {
    QString path = Dialogs().SaveFileName(parent, kExportTitle, kExportFilter);
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().isEmpty())
        path += ".png";
    QString error;
    if (!chart::ExportChart(path, model, &error)) {
        Messages().Show(parent, kExportTitle, error, MessageKind::Warning);
        return {};
    }
    return path;
}

QIcon ChartIcon() {
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
        p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
        p.drawLine(QPointF(14.5, 1.5), QPointF(14.5, 14.5));
        QPainterPath saturation(QPointF(1.5, 13));
        saturation.cubicTo(QPointF(7, 12), QPointF(10, 7), QPointF(11.5, 1.5));
        p.setPen(QPen(QColor(0x1B, 0x2A, 0x41), 1.6));
        p.drawPath(saturation);
        p.setPen(QPen(QColor(0x15, 0x65, 0xC0), 1.4));
        p.drawLine(QPointF(5, 9.5), QPointF(11, 11));
        p.setBrush(QColor(0x15, 0x65, 0xC0));
        p.drawEllipse(QPointF(5, 9.5), 1.5, 1.5);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace kestrix::ui
