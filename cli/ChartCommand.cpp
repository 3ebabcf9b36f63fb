// kestrix-cli chart: runs the same case as `kestrix-cli calc` (the same options
// and steps) and writes the psychrometric chart of its four air states as a
// PNG picture or SVG artwork.
#include "CalcOptions.h"
#include "Commands.h"
#include "OffscreenApplication.h"

#include "ChartModel.h"
#include "ChartPainter.h"

#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace kestrix::cli {

namespace {

constexpr const char* kChartUsage =
    "usage: kestrix-cli chart [PROJECT.pjt] [calc options] (--png FILE | --svg FILE)\n"
    "\n"
    "Runs the case as `kestrix-cli calc` does with the same options and writes\n"
    "the psychrometric chart of the four air states at the site's barometric\n"
    "pressure, in the units in force.\n"
    "  --png FILE    write the chart as a PNG picture\n"
    "  --svg FILE    write the chart as SVG artwork\n";

constexpr const char* kChartExit =
    "\n"
    "Exit status: 0 success; 2 a usage error or a value the fields cannot take\n"
    "(named on stderr); 1 any other failure, such as a file that cannot be written.\n";

} // namespace

int RunChart(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::fputs(kChartUsage, stdout);
            std::fputs(kCalcOptionsUsage, stdout);
            std::fputs(kChartExit, stdout);
            return 0;
        }
    }
    std::string png, svg;
    const ExtraOption chartOptions = [&](const std::vector<std::string>& a, std::size_t& i) {
        if (a[i] == "--format")
            return UsageError("chart", "--format is not a chart option; use --png or --svg");
        if (a[i] != "--png" && a[i] != "--svg")
            return -1;
        if (i + 1 >= a.size() || a[i + 1].empty())
            return UsageError("chart", a[i] + " needs a file");
        if (!png.empty() || !svg.empty())
            return UsageError("chart", "give only one of --png FILE or --svg FILE");
        (a[i] == "--png" ? png : svg) = a[i + 1];
        ++i;
        return 0;
    };
    CalcOptions options;
    if (const int status = ParseCalcOptions(args, options, "chart", chartOptions))
        return status;
    if (png.empty() && svg.empty())
        return UsageError("chart", "--png FILE or --svg FILE is required");

    const auto app = StartOffscreenApplication();

    CalcSession session(options, "chart");
    if (const int status = session.Run())
        return status;
    const chart::ChartModel model = chart::ModelFromCase(session.Form().Case());
    QString error;
    const bool written =
        png.empty() ? chart::ExportChartSvg(QString::fromLocal8Bit(svg.c_str()), model, &error)
                    : chart::ExportChartPng(QString::fromLocal8Bit(png.c_str()), model, &error);
    if (!written)
        return Failure("chart", error.toStdString());
    return 0;
}

} // namespace kestrix::cli
