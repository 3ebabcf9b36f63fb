// Writes the report page as a one-page PDF, for File > Export PDF... and for
// kestrix-cli report. Needs a QGuiApplication (the offscreen platform will do).
#include "report/ReportCommands.h"

#include "report/Printout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

namespace kestrix::report {

QString WritePdf(RotorForm& form, const QString& path) {
    if (!PrinterServiceAvailable())
        return QStringLiteral("the printer service is not available");
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("\"%1\" is a folder").arg(path);
    if (!target.dir().exists())
        return QStringLiteral("the folder \"%1\" does not exist").arg(target.dir().path());

    // Write beside the target first, so a failure never leaves a half-written
    // file in place of an existing one.
    const QString partial = path + QStringLiteral(".part");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(partial);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
    printer.setCreator(QStringLiteral("Kestrix"));
    printer.setDocName(QStringLiteral("Kestrix Rotor Selection"));

    const QString error = Printout(form, printer);
    if (!error.isEmpty() || printer.printerState() == QPrinter::Error ||
        !QFileInfo(partial).isFile() || QFileInfo(partial).size() == 0) {
        QFile::remove(partial);
        if (!error.isEmpty())
            return error == QStringLiteral("the printer could not be started")
                       ? QStringLiteral("\"%1\" could not be written").arg(path)
                       : error;
        return QStringLiteral("\"%1\" could not be written").arg(path);
    }
    if (QFileInfo::exists(path) && !QFile::remove(path)) {
        QFile::remove(partial);
        return QStringLiteral("\"%1\" could not be replaced").arg(path);
    }
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        return QStringLiteral("\"%1\" could not be written").arg(path);
    }
    return {};
}

} // namespace kestrix::report
