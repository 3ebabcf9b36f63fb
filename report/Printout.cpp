// Paints the report's steps through the printer service.
#include "report/Printout.h"

#include "engine/RotorForm.h"
#include "report/PrinterService.h"

#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QSvgRenderer>

namespace kestrix::report {

namespace {

QString PictureResource(ReportPicture picture) {
    switch (picture) {
    case ReportPicture::Logo:
        return QStringLiteral(":/report/logo.svg");
    case ReportPicture::Schematic:
        return QStringLiteral(":/report/report-schematic.svg");
    }
    return {};
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), text.size());
}

} // namespace

bool PrinterServiceAvailable() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

std::string LongDateToday() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat).toStdString();
}

bool PaintReportPage(QPainter& painter, const ReportPage& page, QString& error,
                     QSizeF* textExtent) {
    PrinterService printer(painter);
    for (const ReportStep& step : page.steps) {
        switch (step.kind) {
        case ReportStep::Kind::FontName:
            printer.SetFontName(FromUtf8(step.text));
            break;
        case ReportStep::Kind::FontSize:
            printer.SetFontSize(step.size);
            break;
        case ReportStep::Kind::Bold:
            printer.SetBold(step.on);
            break;
        case ReportStep::Kind::Underline:
            printer.SetUnderline(step.on);
            break;
        case ReportStep::Kind::MoveTo:
            printer.MoveTo(step.x, step.y);
            break;
        case ReportStep::Kind::Line:
            for (const ReportCell& cell : step.cells)
                printer.Write(cell.column, FromUtf8(cell.text));
            printer.EndLine();
            break;
        case ReportStep::Kind::Picture: {
            QSvgRenderer picture(PictureResource(step.picture));
            if (!picture.isValid()) {
                error = QStringLiteral("the report picture %1 could not be loaded")
                            .arg(PictureResource(step.picture));
                return false;
            }
            if (step.width > 0 && step.height > 0)
                printer.DrawPicture(picture, step.x, step.y, step.width, step.height);
            else
                printer.DrawPicture(picture, step.x, step.y);
            break;
        }
        case ReportStep::Kind::EndDoc:
            break;
        }
    }
    if (textExtent != nullptr)
        *textExtent = QSizeF(printer.RightmostX(), printer.LowestY());
    return true;
}

QString Printout(RotorForm& form, QPaintDevice& device) {
    if (!PrinterServiceAvailable())
        return QStringLiteral("the printer service is not available");
    if (!form.RunCalc())
        return QStringLiteral("the inputs could not be calculated");
    const ReportPage page = BuildReportPage(form.Case(), form.Port(), LongDateToday());
    QPainter painter;
    if (!painter.begin(&device))
        return QStringLiteral("the printer could not be started");
    QString error;
    const bool painted = PaintReportPage(painter, page, error);
    if (!painter.end() && painted)
        return QStringLiteral("the page could not be sent to the printer");
    return error;
}

} // namespace kestrix::report
