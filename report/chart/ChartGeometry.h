// The psychrometric chart as geometry, without Qt: axis ranges and ticks, the
// saturation, relative-humidity and enthalpy curves as polylines, the four air
// states placed as points with labels that keep clear of each other, and the
// process arrows. Everything is worked out in logical pixels of a given area
// (y grows downwards) so a painter only strokes and fills what it is handed.
#pragma once

#include "ChartModel.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kestrix::chart {

struct Point {
    double x = 0;
    double y = 0;
};

struct Box {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool Contains(const Point& p) const;
    bool Contains(const Box& b) const;
    // True when the two boxes share some area (touching edges do not count).
    bool Intersects(const Box& b) const;
    double OverlapArea(const Box& b) const;
};

// A numeric axis in chart units: its span and its grid spacing.
struct AxisRange {
    double min = 0;
    double max = 1;
    double major = 1; // labelled grid lines
    double minor = 1; // light grid lines
};

// Chart units (dry bulb °F or °C, humidity ratio gr/lb or g/kg) to logical
// pixels inside the plot box and back. The humidity ratio grows upwards.
class ChartMapping {
public:
    ChartMapping() = default;
    ChartMapping(Box plot, AxisRange x, AxisRange y) : plot_(plot), x_(x), y_(y) {}
    Point ToPixel(double t, double w) const;
    // The chart units (dry bulb, humidity ratio) at a pixel, as a Point {t, w}.
    Point ToChart(const Point& pixel) const;
    const Box& Plot() const { return plot_; }
    const AxisRange& X() const { return x_; }
    const AxisRange& Y() const { return y_; }

private:
    Box plot_;
    AxisRange x_;
    AxisRange y_;
};

// The texts of the chart by the font each is drawn in. The painter uses these
// pixel sizes, so the layout measures what will be drawn.
enum class TextRole { Title, Subtitle, Tick, AxisTitle, CurveLabel, PointLabel, Legend };
double FontPixelSize(TextRole role);
bool FontBold(TextRole role);

struct TextSize {
    double width = 0;
    double height = 0;
};
using TextMeasure = std::function<TextSize(const std::string& text, TextRole role)>;
// A measure that needs no fonts (about 0.6 em per character), for tests and
// for callers without a paint device.
TextSize ApproximateTextSize(const std::string& text, TextRole role);

struct PlacedText {
    std::string text;
    TextRole role = TextRole::Tick;
    Box box;              // where the text is drawn, unrotated
    bool rotated = false; // drawn reading upwards, centred in box
};

struct Tick {
    double value = 0; // chart units
    bool major = false;
    std::vector<Point> line; // the grid line, pixels (clipped by the saturation curve)
    std::optional<PlacedText> label;
};

enum class CurveKind { Saturation, RelativeHumidity, Enthalpy };

struct Curve {
    CurveKind kind = CurveKind::Saturation;
    double value = 0;          // RH %, or enthalpy in chart units
    std::vector<Point> points; // pixels
    std::optional<PlacedText> label;
};

struct StateMark {
    StateId id = StateId::OffCoil;
    Point at;   // pixels
    Box marker; // the dot's bounding box
    PlacedText label;
};

struct Arrow {
    StateId from = StateId::OffCoil;
    StateId to = StateId::Supply;
    Point tail;              // pixels
    Point tip;               // pixels, at the target's marker edge
    std::vector<Point> head; // the arrowhead triangle
};

struct LegendEntry {
    enum class Swatch { SupplyArrow, ExhaustArrow, RelativeHumidity, Enthalpy } swatch;
    PlacedText text;
    Box swatchBox;
};

struct ChartLayout {
    Box area;
    ChartMapping map;
    // False when there is no room for a plot or the pressure allows no chart;
    // then only the title and the message are drawn.
    bool usable = false;
    std::string message;
    PlacedText title;
    PlacedText subtitle;
    PlacedText xTitle;
    PlacedText yTitle;
    std::vector<Tick> xTicks;
    std::vector<Tick> yTicks;
    Curve saturation;
    std::vector<Curve> rhCurves;
    std::vector<Curve> enthalpyLines;
    std::vector<LegendEntry> legend;
    Box legendBox;
    std::vector<StateMark> marks;
    std::vector<Arrow> arrows;
};

// The axis spans for the unit system in force, widened by whole major steps
// so every state of the model lies inside.
AxisRange DryBulbRange(const ChartModel& m);
AxisRange HumidityRange(const ChartModel& m);

// Lays out the whole chart in area (logical pixels).
ChartLayout LayoutChart(const ChartModel& m, const Box& area,
                        const TextMeasure& measure = ApproximateTextSize);

// The state whose marker lies within radius pixels of p (the nearest one).
std::optional<StateId> StateAt(const ChartLayout& layout, const Point& p, double radius = 8);

// The saturation curve of the model in chart units, sampled across the dry-bulb
// span; exposed for checks against the engine.
double SaturationW(const ChartModel& m, double chartT);

// Clips a polyline to a box; the pieces that lie inside, in order.
std::vector<std::vector<Point>> ClipPolyline(const std::vector<Point>& line, const Box& box);

} // namespace kestrix::chart
