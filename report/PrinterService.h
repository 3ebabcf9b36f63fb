// The printer service of the report: a small layer over QPainter that works in
// inches from the top-left corner of the printable area, keeps a font (name,
// size, bold, underline) in force until it is changed, and writes text lines
// at a print position with column tabs measured in the average character width
// of the font in force on the device.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QString>

class QSvgRenderer;

namespace kestrix::report {

class PrinterService {
public:
    // Draws with painter, which must be active on its device.
    explicit PrinterService(QPainter& painter);

    void SetFontName(const QString& name);
    void SetFontSize(double points);
    void SetBold(bool on);
    void SetUnderline(bool on);

    // The print position, inches.
    void MoveTo(double x, double y);
    double CurrentX() const { return x_; }
    double CurrentY() const { return y_; }

    // Column n (1-based) in inches for the font in force.
    double ColumnX(int column) const;
    // Writes text starting at column n (0: at the print position). When the
    // print position already lies right of the column, the text goes to that
    // column of the next line. The position then stands after the text.
    void Write(int column, const QString& text);
    // Ends the line: x back to 0, y down one line of the font in force.
    void EndLine();

    // Pictures: at (x, y) at its own size, or scaled into the box keeping
    // their proportions, centred in it.
    void DrawPicture(QSvgRenderer& picture, double x, double y);
    void DrawPicture(QSvgRenderer& picture, double x, double y, double width, double height);

    // The right and bottom edges of everything written so far, inches.
    double RightmostX() const { return rightmost_; }
    double LowestY() const { return lowest_; }

    // Line height and average character width of the font in force, inches.
    double LineHeight() const;
    double AverageCharWidth() const;

private:
    void ApplyFont();
    double DotsX() const;
    double DotsY() const;

    QPainter& painter_;
    QFont font_;
    double x_ = 0;
    double y_ = 0;
    double rightmost_ = 0;
    double lowest_ = 0;
};

} // namespace kestrix::report
