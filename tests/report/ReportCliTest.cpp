// kestrix-cli report and calc --format excel|word, run as a script runs them:
// the exit status, the one-line message, the PDF and the clipboard texts.
#include "StartupForm.h"
#include "report/CopyResults.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace kestrix::report {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun RunCli(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM"); // the command chooses the offscreen platform itself
    env.remove("DISPLAY");
    process.setProcessEnvironment(env);
    process.start(KESTRIX_CLI, args);
    CliRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

TEST(ReportCli, WritesTheReportAsAOnePagePdf) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath("AHU-2.pdf");
    const CliRun run = RunCli({"report", "--title", "AHU-2", "--pdf", pdf});
    EXPECT_EQ(run.status, 0) << run.err;
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
}

TEST(ReportCli, UsageErrorsAndFailuresHaveTheirExitStatus) {
    QTemporaryDir folder;
    struct Row {
        const char* name;
        QStringList args;
        int status;
        const char* message;
    };
    const Row rows[] = {
        {"no --pdf", {"report"}, 2, "kestrix-cli report: --pdf FILE is required"},
        {"--pdf without a file", {"report", "--pdf"}, 2, "kestrix-cli report: --pdf needs a file"},
        {"unknown option",
         {"report", "--colour", "--pdf", "x.pdf"},
         2,
         "unknown option '--colour'"},
        {"unreadable field",
         {"report", "--vsa", "lots", "--pdf", folder.filePath("x.pdf")},
         2,
         "kestrix-cli report: "},
        {"missing folder",
         {"report", "--pdf", folder.filePath("no/x.pdf")},
         1,
         "the report could not be written"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CliRun run = RunCli(row.args);
        EXPECT_EQ(run.status, row.status);
        EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
    }
    EXPECT_FALSE(QFile::exists(folder.filePath("x.pdf")));
}

TEST(ReportCli, CalcPrintsExactlyTheClipboardTexts) {
    for (bool si : {false, true}) {
        for (int layout : {kExcelLayout, kWordLayout}) {
            SCOPED_TRACE(std::string(si ? "SI " : "IP ") +
                         (layout == kExcelLayout ? "excel" : "word"));
            QStringList args = {"calc", "--format", layout == kExcelLayout ? "excel" : "word"};
            if (si)
                args << "--si";
            const CliRun run = RunCli(args);
            EXPECT_EQ(run.status, 0) << run.err;
            testing::StartupForm startup(si);
            EXPECT_EQ(run.out, CopyResults(startup.form, layout).value());
        }
    }
}

} // namespace
} // namespace kestrix::report
