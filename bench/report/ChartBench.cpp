// Drawing the psychrometric chart must stay well under a frame's worth of
// time: the chart window repaints it after every calculation and on resize.
// Target: a 900×600 chart into a QImage in under 20 ms.
#include "ChartPainter.h"
#include "ChartTestCase.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using kestrix::chart::testing::ChartTestCase;

void BM_DrawChart900x600(benchmark::State& state) {
    ChartTestCase tc(kestrix::chart::testing::kCondensationCase);
    const kestrix::chart::ChartModel model = kestrix::chart::ModelFromCase(tc.Case());
    QImage image(900, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        kestrix::chart::DrawChart(painter, QRectF(0, 0, 900, 600), model);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_DrawChart900x600)->Unit(benchmark::kMillisecond);

// The layout alone (no painting), the Qt-free part of every repaint.
void BM_LayoutChart(benchmark::State& state) {
    ChartTestCase tc(kestrix::chart::testing::kCondensationCase);
    const kestrix::chart::ChartModel model = kestrix::chart::ModelFromCase(tc.Case());
    const auto measure = kestrix::chart::FontTextMeasure();
    for (auto _ : state)
        benchmark::DoNotOptimize(kestrix::chart::LayoutChart(model, {0, 0, 900, 600}, measure));
}
BENCHMARK(BM_LayoutChart)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
