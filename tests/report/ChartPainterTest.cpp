// Painting and exporting the chart: real fonts keep the labels apart, the
// picture carries the curves and states, and the PNG and SVG files are valid.
#include "ChartPainter.h"
#include "ChartTestCase.h"

#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kestrix::chart {
namespace {

using testing::ChartTestCase;
using testing::kCondensationCase;

// State labels measured with the fonts they are painted in stay apart.
TEST(ChartPainter, LabelsMeasuredWithRealFontsDoNotOverlap) {
    const testing::Typed startUp;
    for (const testing::Typed* typed : {&startUp, &kCondensationCase}) {
        ChartTestCase tc(*typed);
        const ChartLayout L = LayoutForRect(QRectF(0, 0, 900, 600), ModelFromCase(tc.Case()));
        ASSERT_EQ(L.marks.size(), 4u);
        for (std::size_t i = 0; i < L.marks.size(); ++i) {
            for (std::size_t j = i + 1; j < L.marks.size(); ++j) {
                EXPECT_FALSE(L.marks[i].label.box.Intersects(L.marks[j].label.box))
                    << L.marks[i].label.text << " / " << L.marks[j].label.text;
            }
        }
        for (const StateMark& mk : L.marks) {
            for (const Curve& c : L.rhCurves) {
                if (c.label) {
                    EXPECT_FALSE(mk.label.box.Intersects(c.label->box)) << mk.label.text;
                }
            }
        }
    }
}

bool Inked(const QImage& image, QPointF p) {
    // Any pixel within one logical pixel that is clearly not white.
    const qreal dpr = image.devicePixelRatio();
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const QColor c = image.pixelColor(int(p.x() * dpr) + dx, int(p.y() * dpr) + dy);
            if (c.lightness() < 200)
                return true;
        }
    return false;
}

// At twice the pixel density the picture shows the saturation curve and the
// state markers where the layout put them.
TEST(ChartPainter, PaintsCurvesAndStatesWhereTheLayoutPutsThem) {
    ChartTestCase tc(kCondensationCase);
    const ChartModel m = ModelFromCase(tc.Case());
    QImage image(1800, 1200, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        DrawChart(p, QRectF(0, 0, 900, 600), m);
    }
    const ChartLayout L = LayoutForRect(QRectF(0, 0, 900, 600), m);
    const auto& sat = L.saturation.points;
    ASSERT_GT(sat.size(), 10u);
    for (std::size_t i : {sat.size() / 4, sat.size() / 2, 3 * sat.size() / 4})
        EXPECT_TRUE(Inked(image, {sat[i].x, sat[i].y})) << "saturation point " << i;
    for (const StateMark& mk : L.marks)
        EXPECT_TRUE(Inked(image, {mk.at.x, mk.at.y})) << mk.label.text;
    EXPECT_FALSE(Inked(image, {L.map.Plot().left + 3, L.map.Plot().bottom() - 80}))
        << "empty chart area stays white";
}

TEST(ChartExport, WritesValidPngAndSvg) {
    ChartTestCase tc;
    const ChartModel m = ModelFromCase(tc.Case());
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString error;

    const QString png = dir.filePath("chart.png");
    ASSERT_TRUE(ExportChartPng(png, m, &error)) << error.toStdString();
    QImage image;
    ASSERT_TRUE(image.load(png, "PNG"));
    EXPECT_EQ(image.size(), kExportSize * 2);

    const QString svg = dir.filePath("chart.svg");
    ASSERT_TRUE(ExportChartSvg(svg, m, &error)) << error.toStdString();
    QSvgRenderer renderer(svg);
    EXPECT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(kExportSize)));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("Supply Air"));

    // The suffix chooses the format.
    const QString chosen = dir.filePath("by-suffix.SVG");
    ASSERT_TRUE(ExportChart(chosen, m, &error));
    EXPECT_TRUE(QSvgRenderer(chosen).isValid());
}

TEST(ChartExport, UnwritablePathFailsWithAMessage) {
    ChartTestCase tc;
    const ChartModel m = ModelFromCase(tc.Case());
    QTemporaryDir dir;
    QString error;
    const QString missingDir = dir.filePath("no-such-folder/chart.png");
    EXPECT_FALSE(ExportChartPng(missingDir, m, &error));
    EXPECT_TRUE(error.contains(missingDir)) << error.toStdString();
    error.clear();
    EXPECT_FALSE(ExportChartSvg(dir.filePath("no-such-folder/chart.svg"), m, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace kestrix::chart

int main(int argc, char** argv) {
    // Headless also when CTest lists the tests, which it does without the
    // test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
