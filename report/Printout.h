// Draws the one-page report on a paint device: a printer for File > Print, a
// PDF for File > Export PDF and kestrix-cli report, an image or a picture for
// checks.
#pragma once

#include "report/ReportPage.h"

#include <QSizeF>
#include <QString>

class QPainter;
class QPaintDevice;

namespace kestrix {
class RotorForm;
}

namespace kestrix::report {

// True when a QGuiApplication runs: fonts, printers and the clipboard need one.
bool PrinterServiceAvailable();

// Today's date in the user's long date format, as the report prints it.
std::string LongDateToday();

// Paints every step of the page with painter, which is active on its device.
// Returns false, with the reason in error, when a picture cannot be loaded.
// textExtent, when given, receives the right and bottom edges of the text
// written, in inches from the printable area's top-left corner.
bool PaintReportPage(QPainter& painter, const ReportPage& page, QString& error,
                     QSizeF* textExtent = nullptr);

// Runs the calculation, builds the page for the case and what the window shows
// now, and prints it on device as one document (begin, draw, end). Returns an
// empty text on success, otherwise what failed. When the calculation cannot
// run (its warning has named the field), nothing is printed.
QString Printout(RotorForm& form, QPaintDevice& device);

} // namespace kestrix::report
