// File > Print, File > Export PDF... and the clipboard copies, with the print
// dialog, the file dialog, the message boxes and the print spooler replaced by
// recorders, so nothing blocks and every job and message can be counted.
#include "report/ReportCommands.h"
#include "StartupForm.h"
#include "report/CopyResults.h"
#include "report/PrinterService.h"
#include "report/Printout.h"
#include "ui/Seams.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kestrix::report {
namespace {

struct Message {
    QString title;
    QString text;
};

// What the user would have answered and been told, shared by the recorders.
struct Script {
    bool acceptPrint = true;
    int copies = 1;
    QString printToFile; // when set, the dialog picks PDF output to this file
    QString saveName;
    int printDialogs = 0;
    std::vector<Message> messages;
};

class RecordingMessages : public ui::MessageSeam {
public:
    explicit RecordingMessages(Script& script) : script_(script) {}
    void Show(QWidget*, const QString& title, const QString& text, ui::MessageKind, const QString&,
              int) override {
        script_.messages.push_back({title, text});
    }

private:
    Script& script_;
};

class ScriptedDialogs : public ui::DialogSeam {
public:
    explicit ScriptedDialogs(Script& script) : script_(script) {}
    QString OpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString SaveFileName(QWidget*, const QString&, const QString&) override {
        return script_.saveName;
    }
    bool Print(QWidget*, QPrinter& printer) override {
        ++script_.printDialogs;
        if (!script_.acceptPrint)
            return false;
        printer.setCopyCount(script_.copies);
        if (!script_.printToFile.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(script_.printToFile);
        }
        return true;
    }

private:
    Script& script_;
};

// Keeps the page of every job that was sent; can refuse to start a given job.
class RecordingSpooler : public PrintSpooler {
public:
    std::vector<std::unique_ptr<QImage>> pages; // the jobs sent, in order
    std::vector<int> printerCopies;             // the printer's copy count at each job
    int failJob = 0;                            // 1-based job that cannot start; 0: none

    QPaintDevice* StartJob(QPrinter& printer, QString& error) override {
        printerCopies.push_back(printer.copyCount());
        if (static_cast<int>(printerCopies.size()) == failJob) {
            error = QStringLiteral("the printer is out of paper");
            return nullptr;
        }
        // A Letter page at 100 dpi.
        current_ = std::make_unique<QImage>(850, 1100, QImage::Format_RGB32);
        current_->setDotsPerMeterX(3937);
        current_->setDotsPerMeterY(3937);
        current_->fill(Qt::white);
        return current_.get();
    }
    bool FinishJob(QPrinter&, QString&) override {
        pages.push_back(std::move(current_));
        return true;
    }

private:
    std::unique_ptr<QImage> current_;
};

class ReportCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ui::SetMessageSeam(std::make_unique<RecordingMessages>(script));
        ui::SetDialogSeam(std::make_unique<ScriptedDialogs>(script));
        auto recorder = std::make_unique<RecordingSpooler>();
        spooler = recorder.get();
        SetPrintSpooler(std::move(recorder));
        ASSERT_TRUE(folder.isValid());
    }
    void TearDown() override { SetPrintSpooler(nullptr); }

    Script script;
    RecordingSpooler* spooler = nullptr;
    testing::StartupForm startup;
    QTemporaryDir folder;
};

TEST_F(ReportCommands, EveryCopyIsAJobOfItsOwnAndCancelPrintsNothing) {
    struct Row {
        const char* name;
        bool accept;
        int copies;
        int jobs;
    };
    const Row rows[] = {
        {"three copies", true, 3, 3}, {"one copy", true, 1, 1}, {"cancelled", false, 3, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        spooler->pages.clear();
        spooler->printerCopies.clear();
        script.acceptPrint = row.accept;
        script.copies = row.copies;
        EXPECT_EQ(PrintReport(nullptr, startup.form), row.jobs);
        ASSERT_EQ(static_cast<int>(spooler->pages.size()), row.jobs);
        for (int copies : spooler->printerCopies)
            EXPECT_EQ(copies, 1); // the printer never multiplies a job
        for (const auto& page : spooler->pages)
            EXPECT_EQ(*page, *spooler->pages.front());
        EXPECT_TRUE(script.messages.empty());
    }
}

TEST_F(ReportCommands, EachJobCalculatesTheCurrentInputsFirst) {
    startup.port.SetText("txtToa", "52");
    ASSERT_TRUE(startup.port.Enabled("CmdCalc")); // stale
    script.copies = 2;
    EXPECT_EQ(PrintReport(nullptr, startup.form), 2);
    EXPECT_DOUBLE_EQ(startup.form.Case().Toa, 52.0);
    EXPECT_FALSE(startup.port.Enabled("CmdCalc")); // current again
}

TEST_F(ReportCommands, AFailingPrinterSaysWhatFailedAndHowManyCopiesWent) {
    spooler->failJob = 2;
    script.copies = 3;
    EXPECT_EQ(PrintReport(nullptr, startup.form), 1);
    EXPECT_EQ(spooler->pages.size(), 1u);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].title, "Print");
    EXPECT_EQ(script.messages[0].text,
              "The report could not be printed: the printer is out of paper. 1 of 3 copies "
              "were sent.");
}

TEST_F(ReportCommands, APrinterThatCannotStartGivesAMessage) {
    SetPrintSpooler(nullptr); // the real printer path
    script.printToFile = folder.filePath("no-such-folder/report.pdf");
    EXPECT_EQ(PrintReport(nullptr, startup.form), 0);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text,
              "The report could not be printed: the printer could not be started.");
}

TEST_F(ReportCommands, ThePrinterPathWritesTheChosenFile) {
    SetPrintSpooler(nullptr);
    script.printToFile = folder.filePath("printed.pdf");
    EXPECT_EQ(PrintReport(nullptr, startup.form), 1);
    EXPECT_TRUE(script.messages.empty());
    QFile printed(script.printToFile);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5) == "%PDF-");
}

TEST_F(ReportCommands, ExportPdfWritesTheNamedFile) {
    struct Row {
        const char* name;
        QString chosen;
        QString written;
    };
    const Row rows[] = {
        {"adds .pdf", folder.filePath("AHU-2"), folder.filePath("AHU-2.pdf")},
        {"keeps .PDF", folder.filePath("AHU-3.PDF"), folder.filePath("AHU-3.PDF")},
        {"name with dots", folder.filePath("site.v2"), folder.filePath("site.v2.pdf")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        script.saveName = row.chosen;
        EXPECT_TRUE(ExportPdf(nullptr, startup.form));
        QFile pdf(row.written);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_TRUE(pdf.read(5) == "%PDF-");
        EXPECT_FALSE(QFile::exists(row.written + ".part"));
    }
    EXPECT_TRUE(script.messages.empty());
    EXPECT_EQ(script.printDialogs, 0);
}

TEST_F(ReportCommands, ExportPdfCancelledOrUnwritable) {
    script.saveName.clear();
    EXPECT_FALSE(ExportPdf(nullptr, startup.form));
    EXPECT_TRUE(script.messages.empty());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());

    script.saveName = folder.filePath("missing/report.pdf");
    EXPECT_FALSE(ExportPdf(nullptr, startup.form));
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].title, "Export PDF");
    EXPECT_EQ(script.messages[0].text,
              QStringLiteral("The report could not be saved as PDF: the folder \"%1\" does not "
                             "exist.")
                  .arg(folder.filePath("missing")));

    // A folder named like the file: refused, the folder left as it was.
    ASSERT_TRUE(QDir(folder.path()).mkdir("plans.pdf"));
    script.saveName = folder.filePath("plans.pdf");
    EXPECT_FALSE(ExportPdf(nullptr, startup.form));
    EXPECT_EQ(script.messages.size(), 2u);
    EXPECT_TRUE(QFileInfo(folder.filePath("plans.pdf")).isDir());
}

TEST_F(ReportCommands, ExportPdfNeverReplacesAFileTheDialogDidNotName) {
    const QString existing = folder.filePath("AHU-4.pdf");
    {
        QFile old(existing);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the report of last week");
    }
    script.saveName = folder.filePath("AHU-4"); // ".pdf" would be added
    EXPECT_FALSE(ExportPdf(nullptr, startup.form));
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text,
              QStringLiteral("The report was not saved: \"%1\" already exists. Choose that file "
                             "by its full name to replace it.")
                  .arg(existing));
    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the report of last week");
}

TEST_F(ReportCommands, ExportPdfReplacesAnExistingFileWhole) {
    const QString path = folder.filePath("report.pdf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older report");
    }
    script.saveName = path;
    EXPECT_TRUE(ExportPdf(nullptr, startup.form));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(ReportCommands, CopyPutsTheLayoutOnTheClipboardReplacingTheLastCopy) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("something else");
    EXPECT_TRUE(CopyToClipboard(nullptr, startup.form, true));
    const std::string excel = CopyResults(startup.form, kExcelLayout).value();
    EXPECT_EQ(clipboard->text().toStdString(), excel);
    EXPECT_TRUE(CopyToClipboard(nullptr, startup.form, false));
    EXPECT_EQ(clipboard->text().toStdString(), CopyResults(startup.form, kWordLayout).value());
    EXPECT_NE(clipboard->text().toStdString(), excel);
    EXPECT_TRUE(script.messages.empty());
}

TEST_F(ReportCommands, InputsThatCannotBeCalculatedAreNeitherPrintedNorCopied) {
    startup.port.SetText("txtVsa", "");
    QGuiApplication::clipboard()->setText("kept");
    script.copies = 2;
    EXPECT_EQ(PrintReport(nullptr, startup.form), 0);
    EXPECT_TRUE(spooler->pages.empty());
    EXPECT_FALSE(CopyToClipboard(nullptr, startup.form, true));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
    ASSERT_EQ(script.messages.size(), 2u);
    EXPECT_EQ(script.messages[0].text,
              "The report could not be printed: the inputs could not be calculated.");
    EXPECT_EQ(script.messages[1].title, "Copy (Excel)");
    EXPECT_EQ(script.messages[1].text,
              "The results could not be copied: the inputs could not be calculated.");
    EXPECT_FALSE(startup.port.Messages().empty()); // the engine's warning names the field
}

// The page fits the printable area of a Letter page with quarter-inch margins
// (8 x 10.5 in), in both unit systems.
TEST(ReportLayout, TheStartUpPageFitsThePrintableArea) {
    for (bool si : {false, true}) {
        SCOPED_TRACE(si ? "SI" : "IP");
        testing::StartupForm startup(si);
        startup.form.Case().Title = "Riverside Clinic, air handling unit AHU-2";
        QImage page(800, 1050, QImage::Format_RGB32);
        page.setDotsPerMeterX(3937);
        page.setDotsPerMeterY(3937);
        page.fill(Qt::white);
        QPainter painter(&page);
        QString error;
        QSizeF extent;
        ASSERT_TRUE(PaintReportPage(
            painter, BuildReportPage(startup.form.Case(), startup.port, "Friday, 11 December 2026"),
            error, &extent))
            << error.toStdString();
        EXPECT_LE(extent.width(), 8.0);
        EXPECT_LE(extent.height(), 10.5);
    }
}

TEST(PrinterService, ColumnsLinesAndTheNextLineRule) {
    QImage page(850, 1100, QImage::Format_RGB32);
    page.setDotsPerMeterX(3937); // 100 dpi
    page.setDotsPerMeterY(3937);
    QPainter painter(&page);
    PrinterService printer(painter);
    printer.SetFontName("arial");
    printer.SetFontSize(10);
    printer.SetBold(true);
    // Liberation Sans stands in for Arial with the same advance widths, so the
    // columns fall where Arial's average width puts them: 983/2048 em bold,
    // 904/2048 em regular (10 point = 10/72 in).
    const double w = printer.AverageCharWidth();
    EXPECT_NEAR(w, 983.0 / 2048 * 10 / 72, 0.002);
    printer.SetBold(false);
    EXPECT_NEAR(printer.AverageCharWidth(), 904.0 / 2048 * 10 / 72, 0.002);
    printer.SetBold(true);
    const double h = QFontMetricsF(painter.font(), &page).height() / 100.0;
    EXPECT_NEAR(printer.LineHeight(), h, 1e-12);

    printer.MoveTo(0, 2.0);
    printer.Write(18, "Project:");
    EXPECT_NEAR(printer.CurrentY(), 2.0, 1e-12);
    printer.Write(35, "AHU-2");
    EXPECT_NEAR(printer.CurrentY(), 2.0, 1e-12); // column 35 lies right of "Project:"
    printer.EndLine();
    EXPECT_NEAR(printer.CurrentX(), 0, 1e-12);
    EXPECT_NEAR(printer.CurrentY(), 2.0 + h, 1e-12);

    // A column the text has already passed goes to the next line.
    printer.Write(10, "A long text that runs past column twelve");
    printer.Write(12, "next");
    EXPECT_NEAR(printer.CurrentY(), 2.0 + 2 * h, 1e-12);
    EXPECT_GT(printer.CurrentX(), printer.ColumnX(12));
    EXPECT_NEAR(printer.ColumnX(12), 11 * w, 1e-12);
}

} // namespace
} // namespace kestrix::report

int main(int argc, char** argv) {
    // Headless also when the test list is read before the tests run.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
