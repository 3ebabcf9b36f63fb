// kestrix-cli report: runs the case as kestrix-cli calc does and writes the
// printed report as a one-page PDF. Painting needs a QGuiApplication; the
// offscreen platform serves when none is chosen, so no display server is used.
#include "Commands.h"

#ifdef KESTRIX_CLI_REPORT
#include "CalcOptions.h"
#include "OffscreenApplication.h"
#include "report/ReportCommands.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace kestrix::cli {

namespace {

constexpr const char* kReportUsage =
    "usage: kestrix-cli report [PROJECT.pjt] [calc options] --pdf FILE\n"
    "\n"
    "Runs the case as `kestrix-cli calc` does with the same options and writes\n"
    "the printed report (File > Print) as a one-page PDF.\n"
    "  --pdf FILE    the PDF file to write (replaced when it exists)\n";
constexpr const char* kReportExit =
    "\n"
    "Exit status: 0 success; 2 a usage error or a value the fields cannot take\n"
    "(named on stderr); 1 any other failure (the PDF could not be written).\n";

} // namespace

int RunReport(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::fputs(kReportUsage, stdout);
            std::fputs(kCalcOptionsUsage, stdout);
            std::fputs(kReportExit, stdout);
            return 0;
        }
    }
    std::string pdf;
    bool havePdf = false;
    const ExtraOption reportOptions = [&](const std::vector<std::string>& a, std::size_t& i) {
        if (a[i] == "--format")
            return UsageError("report", "--format is not a report option; the report is a PDF");
        if (a[i] != "--pdf")
            return -1;
        if (i + 1 >= a.size() || a[i + 1].empty())
            return UsageError("report", "--pdf needs a file");
        pdf = a[++i];
        havePdf = true;
        return 0;
    };
    CalcOptions options;
    if (const int status = ParseCalcOptions(args, options, "report", reportOptions))
        return status;
    if (!havePdf)
        return UsageError("report", "--pdf FILE is required");

    const auto app = StartOffscreenApplication();

    CalcSession session(options, "report");
    if (const int status = session.Run())
        return status;
    const QString error = report::WritePdf(session.Form(), QString::fromLocal8Bit(pdf.c_str()));
    if (!error.isEmpty())
        return Failure("report", "the report could not be written: " + error.toStdString());
    return 0;
}

} // namespace kestrix::cli

#else // built without Qt: no printer service to draw the page

#include <cstdio>

namespace kestrix::cli {

int RunReport(const std::vector<std::string>&) {
    std::fputs("kestrix-cli report: this build has no report (built without Qt)\n", stderr);
    return 1;
}

} // namespace kestrix::cli

#endif
