// Speed of the report commands on the start-up case: building each clipboard
// text and the page layout, painting the page, and writing the whole PDF. The
// commands run once per user action, so anything under a second is fast enough;
// the figures show where the time goes.
#include "StartupForm.h"
#include "report/CopyResults.h"
#include "report/Printout.h"
#include "report/ReportCommands.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace kestrix::report {
namespace {

void BM_CopyText(benchmark::State& state) {
    testing::StartupForm startup;
    const int layout = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildCopyText(startup.form.Case(), startup.port, layout));
}
BENCHMARK(BM_CopyText)->Arg(kExcelLayout)->Arg(kWordLayout);

void BM_PageLayout(benchmark::State& state) {
    testing::StartupForm startup;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildReportPage(startup.form.Case(), startup.port, "today"));
}
BENCHMARK(BM_PageLayout);

void BM_PaintPage(benchmark::State& state) {
    testing::StartupForm startup;
    const ReportPage page = BuildReportPage(startup.form.Case(), startup.port, "today");
    QImage image(800, 1050, QImage::Format_RGB32); // 8 x 10.5 in at 100 dpi
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    for (auto _ : state) {
        QPainter painter(&image);
        QString error;
        benchmark::DoNotOptimize(PaintReportPage(painter, page, error));
    }
    state.SetLabel("Letter page at 100 dpi");
}
BENCHMARK(BM_PaintPage)->Unit(benchmark::kMillisecond);

void BM_WritePdf(benchmark::State& state) {
    testing::StartupForm startup;
    const QString path = QDir::temp().filePath("kestrix-bench-report.pdf");
    for (auto _ : state)
        benchmark::DoNotOptimize(WritePdf(startup.form, path));
    QFile::remove(path);
    state.SetLabel("calculation, page and file");
}
BENCHMARK(BM_WritePdf)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrix::report

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
