// The print, PDF and copy commands. Every failure the user can meet ends in one
// message box that names what failed; only cancelling a dialog is silent.
#include "report/ReportCommands.h"

#include "engine/RotorForm.h"
#include "report/CopyResults.h"
#include "report/Printout.h"
#include "ui/Seams.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <algorithm>

namespace kestrix::report {

namespace {

class PrinterSpooler : public PrintSpooler {
public:
    QPaintDevice* StartJob(QPrinter& printer, QString& error) override {
        if (!printer.isValid()) {
            error = printer.printerName().isEmpty()
                        ? QStringLiteral("no printer is installed")
                        : QStringLiteral("the printer \"%1\" is not available")
                              .arg(printer.printerName());
            return nullptr;
        }
        return &printer;
    }
    bool FinishJob(QPrinter& printer, QString& error) override {
        if (printer.printerState() == QPrinter::Error ||
            printer.printerState() == QPrinter::Aborted) {
            error =
                QStringLiteral("the printer \"%1\" reported an error").arg(printer.printerName());
            return false;
        }
        return true;
    }
};

std::unique_ptr<PrintSpooler>& SpoolerSlot() {
    static std::unique_ptr<PrintSpooler> spooler = std::make_unique<PrinterSpooler>();
    return spooler;
}

void ShowFailure(QWidget* parent, const QString& title, const QString& text) {
    ui::Messages().Show(parent, title, text, ui::MessageKind::Error);
}

} // namespace

PrintSpooler& Spooler() {
    return *SpoolerSlot();
}

void SetPrintSpooler(std::unique_ptr<PrintSpooler> spooler) {
    SpoolerSlot() = spooler ? std::move(spooler) : std::make_unique<PrinterSpooler>();
}

int PrintReport(QWidget* parent, RotorForm& form) {
    if (!PrinterServiceAvailable()) {
        ShowFailure(parent, QStringLiteral("Print"),
                    QStringLiteral("The report could not be printed: the printer service is "
                                   "not available."));
        return 0;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setCopyCount(1);
    if (!ui::Dialogs().Print(parent, printer))
        return 0;
    // Each copy is a job of its own, so the printer must not multiply them.
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);

    const QString title = QStringLiteral("Print");
    for (int copy = 1; copy <= copies; ++copy) {
        QString error;
        QPaintDevice* device = Spooler().StartJob(printer, error);
        if (device != nullptr) {
            error = Printout(form, *device);
            if (error.isEmpty())
                Spooler().FinishJob(printer, error);
        }
        if (!error.isEmpty()) {
            QString text = QStringLiteral("The report could not be printed: %1.").arg(error);
            if (copy > 1)
                text += QStringLiteral(" %1 of %2 copies were sent.").arg(copy - 1).arg(copies);
            ShowFailure(parent, title, text);
            return copy - 1;
        }
    }
    return copies;
}

bool ExportPdf(QWidget* parent, RotorForm& form) {
    QString path = ui::Dialogs().SaveFileName(parent, QStringLiteral("Export PDF"),
                                              QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
        // The dialog asked about replacing the name as typed, not this one.
        if (QFileInfo::exists(path)) {
            ShowFailure(parent, QStringLiteral("Export PDF"),
                        QStringLiteral("The report was not saved: \"%1\" already exists. Choose "
                                       "that file by its full name to replace it.")
                            .arg(path));
            return false;
        }
    }
    const QString error = WritePdf(form, path);
    if (!error.isEmpty()) {
        ShowFailure(parent, QStringLiteral("Export PDF"),
                    QStringLiteral("The report could not be saved as PDF: %1.").arg(error));
        return false;
    }
    return true;
}

bool CopyToClipboard(QWidget* parent, RotorForm& form, bool excel) {
    const QString title = excel ? QStringLiteral("Copy (Excel)") : QStringLiteral("Copy (Word)");
    // The whole text is built before the clipboard is touched, so a failure
    // leaves the clipboard as it was.
    QClipboard* clipboard = PrinterServiceAvailable() ? QGuiApplication::clipboard() : nullptr;
    if (clipboard == nullptr) {
        ShowFailure(parent, title,
                    QStringLiteral("The results could not be copied: the clipboard is not "
                                   "available."));
        return false;
    }
    const std::optional<std::string> built = CopyResults(form, excel ? kExcelLayout : kWordLayout);
    if (!built) {
        ShowFailure(parent, title,
                    QStringLiteral("The results could not be copied: the inputs could not be "
                                   "calculated."));
        return false;
    }
    const QString text = QString::fromUtf8(built->data(), static_cast<qsizetype>(built->size()));
    // Setting the text replaces whatever the clipboard held.
    clipboard->setText(text, QClipboard::Clipboard);
    if (clipboard->text(QClipboard::Clipboard) != text) {
        ShowFailure(parent, title,
                    QStringLiteral("The results could not be copied: another program may be "
                                   "holding the clipboard. Try again."));
        return false;
    }
    return true;
}

} // namespace kestrix::report
