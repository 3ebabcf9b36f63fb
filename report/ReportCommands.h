// The report and copy commands of the main window: File > Print, File > Export
// PDF..., Edit > Copy (Excel), Edit > Copy (Word) and the toolbar's Copy. The
// window's menu and toolbar hooks call these; kestrix-cli uses WritePdf.
#pragma once

#include <QString>

#include <memory>

class QPaintDevice;
class QPrinter;
class QWidget;

namespace kestrix {
class RotorForm;
}

namespace kestrix::report {

// Where print jobs go. The program sends each job to the printer chosen in the
// print dialog; tests install a recorder that keeps the pages or fails.
class PrintSpooler {
public:
    virtual ~PrintSpooler() = default;
    // The device one job's page is drawn on; null, with the reason in error,
    // when no job can be started.
    virtual QPaintDevice* StartJob(QPrinter& printer, QString& error) = 0;
    // After the page is drawn: false, with the reason in error, when the
    // printer reports that the job failed.
    virtual bool FinishJob(QPrinter& printer, QString& error) = 0;
};

PrintSpooler& Spooler();
void SetPrintSpooler(std::unique_ptr<PrintSpooler> spooler);

// File > Print: the print dialog (printer, number of copies), then one print
// job per copy, each calculating first. Cancelling the dialog prints nothing and
// says nothing; a failure stops printing and shows a message naming it.
// Returns the number of pages sent.
int PrintReport(QWidget* parent, RotorForm& form);

// File > Export PDF...: asks for a file name (".pdf" added when missing) and
// writes the report page there. Returns true when the file was written.
bool ExportPdf(QWidget* parent, RotorForm& form);

// Writes the report page as a one-page PDF at path. The file is replaced only
// when the new page was written completely. Returns an empty text on success,
// otherwise what failed.
QString WritePdf(RotorForm& form, const QString& path);

// Edit > Copy (Excel) (excel true), Edit > Copy (Word) (false) and the
// toolbar's Copy: calculates, then puts the results text on the clipboard as
// plain text. Returns true when the clipboard holds the text.
bool CopyToClipboard(QWidget* parent, RotorForm& form, bool excel);

} // namespace kestrix::report
