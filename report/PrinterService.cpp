// Inches map to device units by the device's resolution; font metrics are
// taken on the device itself, so columns and lines match what is printed.
#include "report/PrinterService.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QRectF>
#include <QSvgRenderer>

#include <algorithm>
#include <array>

namespace kestrix::report {

PrinterService::PrinterService(QPainter& painter) : painter_(painter) {
    font_.setStyleStrategy(QFont::PreferOutline);
    ApplyFont();
}

double PrinterService::DotsX() const {
    return painter_.device()->logicalDpiX();
}
double PrinterService::DotsY() const {
    return painter_.device()->logicalDpiY();
}

void PrinterService::ApplyFont() {
    painter_.setFont(font_);
}

void PrinterService::SetFontName(const QString& name) {
    font_.setFamily(name);
    ApplyFont();
}

void PrinterService::SetFontSize(double points) {
    font_.setPointSizeF(points);
    ApplyFont();
}

void PrinterService::SetBold(bool on) {
    font_.setBold(on);
    ApplyFont();
}

void PrinterService::SetUnderline(bool on) {
    font_.setUnderline(on);
    ApplyFont();
}

void PrinterService::MoveTo(double x, double y) {
    x_ = x;
    y_ = y;
}

double PrinterService::LineHeight() const {
    return QFontMetricsF(font_, painter_.device()).height() / DotsY();
}

// The average character width as the report's columns were laid out with
// it: the advance widths of the lowercase letters and the blank, weighted by
// how often each occurs in English text (the classic OS/2 xAvgCharWidth rule).
// QFontMetricsF::averageCharWidth() reads the font's own table, and fonts that
// stand in for Arial (Liberation Sans) average over every glyph there, which
// gives columns about a quarter wider and pushes the right-hand blocks off the
// page; the weighted letters give the same width for Arial and its stand-ins.
double PrinterService::AverageCharWidth() const {
    static constexpr std::array<int, 27> kWeights = {64, 14, 27, 35, 100, 20, 14, 42, 63,
                                                     3,  6,  35, 20, 56,  56, 17, 4,  49,
                                                     56, 71, 31, 10, 18,  3,  18, 2,  166};
    const QFontMetricsF metrics(font_, painter_.device());
    double sum = 0;
    for (std::size_t i = 0; i < kWeights.size(); ++i) {
        const QChar c = i < 26 ? QChar(u'a' + static_cast<char16_t>(i)) : QChar(u' ');
        sum += metrics.horizontalAdvance(c) * kWeights[i];
    }
    return sum / 1000.0 / DotsX();
}

double PrinterService::ColumnX(int column) const {
    return (column - 1) * AverageCharWidth();
}

void PrinterService::Write(int column, const QString& text) {
    if (column > 0) {
        const double columnX = ColumnX(column);
        if (x_ > columnX + 1e-9)
            EndLine();
        x_ = columnX;
    }
    const QFontMetricsF metrics(font_, painter_.device());
    const QPointF baseline(x_ * DotsX(), y_ * DotsY() + metrics.ascent());
    painter_.drawText(baseline, text);
    x_ += metrics.horizontalAdvance(text) / DotsX();
    rightmost_ = std::max(rightmost_, x_);
    lowest_ = std::max(lowest_, y_ + metrics.height() / DotsY());
}

void PrinterService::EndLine() {
    x_ = 0;
    y_ += LineHeight();
}

void PrinterService::DrawPicture(QSvgRenderer& picture, double x, double y) {
    // The picture's own size: its default size at 96 pixels per inch.
    const QSizeF size = picture.defaultSize();
    DrawPicture(picture, x, y, size.width() / 96.0, size.height() / 96.0);
}

void PrinterService::DrawPicture(QSvgRenderer& picture, double x, double y, double width,
                                 double height) {
    picture.render(&painter_, QRectF(x * DotsX(), y * DotsY(), width * DotsX(), height * DotsY()));
    // Rendering may change the painter's state; the report's font stays in force.
    ApplyFont();
}

} // namespace kestrix::report
