// QPainter rendering and PNG/SVG export of the psychrometric chart.
#include "ChartPainter.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QSaveFile>
#include <QSvgGenerator>

namespace kestrix::chart {

namespace {

// Colours of a chart meant for a printed report: grey grid, dark curves, one
// colour per process.
const QColor kInk(0x20, 0x20, 0x20);
const QColor kFrame(0x60, 0x60, 0x60);
const QColor kMinorGrid(0xEC, 0xEC, 0xEC);
const QColor kMajorGrid(0xCF, 0xCF, 0xCF);
const QColor kSaturation(0x1B, 0x2A, 0x41);
const QColor kRelHum(0x5B, 0x7D, 0xA6);
const QColor kEnthalpy(0x9A, 0x9A, 0x9A);
const QColor kSupply(0x15, 0x65, 0xC0);
const QColor kExhaust(0xC6, 0x28, 0x28);
const QColor kMessage(0x80, 0x20, 0x20);

QColor StateColour(StateId id) {
    return id == StateId::OffCoil || id == StateId::Supply ? kSupply : kExhaust;
}

QPen Cosmetic(const QColor& colour, qreal width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    return pen;
}

QPointF Q(const Point& p) {
    return {p.x, p.y};
}

QRectF Q(const Box& b) {
    return {b.left, b.top, b.width, b.height};
}

QPolygonF Q(const std::vector<Point>& pts) {
    QPolygonF poly;
    poly.reserve(static_cast<qsizetype>(pts.size()));
    for (const Point& p : pts)
        poly << Q(p);
    return poly;
}

void DrawText(QPainter& painter, const PlacedText& t, const QColor& colour,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    if (t.text.empty())
        return;
    painter.setFont(ChartFont(t.role));
    painter.setPen(colour);
    const QString text = QString::fromStdString(t.text);
    if (!t.rotated) {
        painter.drawText(Q(t.box), align, text);
        return;
    }
    painter.save();
    const QRectF b = Q(t.box);
    painter.translate(b.center());
    painter.rotate(-90);
    painter.drawText(QRectF(-b.height() / 2, -b.width() / 2, b.height(), b.width()),
                     Qt::AlignCenter, text);
    painter.restore();
}

// A label over lines: a soft white ground keeps it readable.
void DrawHaloText(QPainter& painter, const PlacedText& t, const QColor& colour,
                  Qt::Alignment align = Qt::AlignCenter) {
    painter.fillRect(Q(t.box).adjusted(-1, 0, 1, 0), QColor(255, 255, 255, 225));
    DrawText(painter, t, colour, align);
}

void DrawArrow(QPainter& painter, const Arrow& a, const QColor& colour) {
    painter.setPen(Cosmetic(colour, 1.8));
    painter.drawLine(Q(a.tail), Q(a.tip));
    painter.setPen(Cosmetic(colour, 1));
    painter.setBrush(colour);
    painter.drawPolygon(Q(a.head));
    painter.setBrush(Qt::NoBrush);
}

void DrawLegend(QPainter& painter, const ChartLayout& L) {
    if (L.legend.empty())
        return;
    painter.setPen(Cosmetic(kMajorGrid, 1));
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(Q(L.legendBox));
    painter.setBrush(Qt::NoBrush);
    for (const LegendEntry& e : L.legend) {
        const QRectF s = Q(e.swatchBox);
        const QPointF a(s.left(), s.center().y()), b(s.right(), s.center().y());
        switch (e.swatch) {
        case LegendEntry::Swatch::SupplyArrow:
        case LegendEntry::Swatch::ExhaustArrow: {
            const QColor c = e.swatch == LegendEntry::Swatch::SupplyArrow ? kSupply : kExhaust;
            Arrow arrow;
            arrow.tail = {a.x(), a.y()};
            arrow.tip = {b.x() - 7, b.y()};
            arrow.head = {{b.x(), b.y()}, {b.x() - 7, b.y() - 3}, {b.x() - 7, b.y() + 3}};
            DrawArrow(painter, arrow, c);
            break;
        }
        case LegendEntry::Swatch::RelativeHumidity:
            painter.setPen(Cosmetic(kRelHum, 1));
            painter.drawLine(a, b);
            break;
        case LegendEntry::Swatch::Enthalpy:
            painter.setPen(Cosmetic(kEnthalpy, 1, Qt::DashLine));
            painter.drawLine(a, b);
            break;
        }
        DrawText(painter, e.text, kInk);
    }
}

} // namespace

QFont ChartFont(TextRole role) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(FontPixelSize(role)));
    font.setBold(FontBold(role));
    return font;
}

TextMeasure FontTextMeasure() {
    return [](const std::string& text, TextRole role) {
        const QFontMetricsF fm(ChartFont(role));
        return TextSize{fm.horizontalAdvance(QString::fromStdString(text)) + 2, fm.height()};
    };
}

ChartLayout LayoutForRect(const QRectF& rect, const ChartModel& model) {
    return LayoutChart(model, {rect.left(), rect.top(), rect.width(), rect.height()},
                       FontTextMeasure());
}

void DrawChart(QPainter& painter, const QRectF& rect, const ChartModel& model) {
    DrawLayout(painter, LayoutForRect(rect, model), model);
}

void DrawLayout(QPainter& painter, const ChartLayout& L, const ChartModel& model) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(Q(L.area), Qt::white);
    DrawText(painter, L.title, kInk);
    DrawText(painter, L.subtitle, kFrame, Qt::AlignRight | Qt::AlignVCenter);
    if (!L.usable) {
        painter.setFont(ChartFont(TextRole::Subtitle));
        painter.setPen(kMessage);
        painter.drawText(Q(L.area), Qt::AlignCenter | Qt::TextWordWrap,
                         QString::fromStdString(L.message));
        painter.restore();
        return;
    }
    const QRectF plot = Q(L.map.Plot());

    // Grid: light lines first, the labelled ones over them.
    for (bool major : {false, true}) {
        painter.setPen(Cosmetic(major ? kMajorGrid : kMinorGrid, 1));
        for (const auto* ticks : {&L.xTicks, &L.yTicks})
            for (const Tick& t : *ticks)
                if (t.major == major && t.line.size() == 2)
                    painter.drawLine(Q(t.line[0]), Q(t.line[1]));
    }
    for (const auto* ticks : {&L.xTicks, &L.yTicks})
        for (const Tick& t : *ticks)
            if (t.label)
                DrawText(painter, *t.label, kInk, Qt::AlignCenter);

    // Curves.
    painter.setPen(Cosmetic(kEnthalpy, 0.8, Qt::DashLine));
    for (const Curve& c : L.enthalpyLines)
        painter.drawPolyline(Q(c.points));
    painter.setPen(Cosmetic(kRelHum, 0.9));
    for (const Curve& c : L.rhCurves)
        painter.drawPolyline(Q(c.points));
    painter.setPen(Cosmetic(kSaturation, 2.2));
    painter.drawPolyline(Q(L.saturation.points));

    // Frame and axis titles.
    painter.setPen(Cosmetic(kFrame, 1));
    painter.drawRect(plot);
    DrawText(painter, L.xTitle, kInk, Qt::AlignCenter);
    DrawText(painter, L.yTitle, kInk, Qt::AlignCenter);

    for (const Curve& c : L.enthalpyLines)
        if (c.label)
            DrawHaloText(painter, *c.label, kFrame, Qt::AlignRight | Qt::AlignVCenter);
    for (const Curve& c : L.rhCurves)
        if (c.label)
            DrawHaloText(painter, *c.label, kRelHum);
    if (L.saturation.label)
        DrawHaloText(painter, *L.saturation.label, kSaturation);
    DrawLegend(painter, L);

    // States and processes.
    for (const Arrow& a : L.arrows)
        DrawArrow(painter, a, a.to == StateId::Supply ? kSupply : kExhaust);
    for (const StateMark& mk : L.marks) {
        const QColor c = StateColour(mk.id);
        painter.setPen(Cosmetic(Qt::white, 1.5));
        painter.setBrush(c);
        painter.drawEllipse(Q(mk.marker));
        painter.setBrush(Qt::NoBrush);
        DrawHaloText(painter, mk.label, c.darker(115));
    }
    if (!model.caption.empty() && model.hasStates) {
        // The model caption of the run in the lower right corner of the plot.
        painter.setFont(ChartFont(TextRole::Legend));
        painter.setPen(kFrame);
        painter.drawText(plot.adjusted(6, 4, -6, -4), Qt::AlignRight | Qt::AlignBottom,
                         QString::fromStdString(model.caption));
    }
    painter.restore();
}

namespace {

QString CannotWrite(const QString& path, const QString& why) {
    return QStringLiteral("The chart could not be written to %1: %2").arg(path, why);
}

} // namespace

bool ExportChartPng(const QString& path, const ChartModel& model, QString* error, QSize size) {
    constexpr qreal kScale = 2;
    QImage image(size * kScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kScale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        DrawChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), model);
    }
    // Written through a temporary file, so a failed write leaves any earlier
    // file of that name as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = CannotWrite(path, file.errorString());
        return false;
    }
    if (!image.save(&file, "PNG") || !file.commit()) {
        if (error)
            *error = CannotWrite(path, file.errorString());
        return false;
    }
    return true;
}

bool ExportChartSvg(const QString& path, const ChartModel& model, QString* error, QSize size) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRectF(QPointF(0, 0), QSizeF(size)));
        svg.setResolution(96);
        svg.setTitle(QStringLiteral("Psychrometric Chart"));
        svg.setDescription(QString::fromStdString(model.caption));
        QPainter painter(&svg);
        DrawChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), model);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = CannotWrite(path, file.errorString());
        return false;
    }
    if (file.write(buffer.data()) != buffer.data().size() || !file.commit()) {
        if (error)
            *error = CannotWrite(path, file.errorString());
        return false;
    }
    return true;
}

bool ExportChart(const QString& path, const ChartModel& model, QString* error, QSize size) {
    if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0)
        return ExportChartSvg(path, model, error, size);
    return ExportChartPng(path, model, error, size);
}

} // namespace kestrix::chart
