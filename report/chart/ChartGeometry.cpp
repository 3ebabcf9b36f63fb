// Geometry of the psychrometric chart: axes, curves, state points and labels.
#include "ChartGeometry.h"

#include "common/NumberPattern.h"
#include "engine/MoistAir.h"
#include "engine/Units.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace kestrix::chart {

// ---------------------------------------------------------------- boxes, mapping

bool Box::Contains(const Point& p) const {
    return p.x >= left && p.x <= right() && p.y >= top && p.y <= bottom();
}

bool Box::Contains(const Box& b) const {
    return b.left >= left && b.right() <= right() && b.top >= top && b.bottom() <= bottom();
}

bool Box::Intersects(const Box& b) const {
    return OverlapArea(b) > 0;
}

double Box::OverlapArea(const Box& b) const {
    const double w = std::min(right(), b.right()) - std::max(left, b.left);
    const double h = std::min(bottom(), b.bottom()) - std::max(top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

Point ChartMapping::ToPixel(double t, double w) const {
    return {plot_.left + (t - x_.min) / (x_.max - x_.min) * plot_.width,
            plot_.bottom() - (w - y_.min) / (y_.max - y_.min) * plot_.height};
}

Point ChartMapping::ToChart(const Point& pixel) const {
    return {x_.min + (pixel.x - plot_.left) / plot_.width * (x_.max - x_.min),
            y_.min + (plot_.bottom() - pixel.y) / plot_.height * (y_.max - y_.min)};
}

// ---------------------------------------------------------------- text

double FontPixelSize(TextRole role) {
    switch (role) {
    case TextRole::Title:
        return 16;
    case TextRole::Subtitle:
        return 12;
    case TextRole::Tick:
        return 11;
    case TextRole::AxisTitle:
        return 12;
    case TextRole::CurveLabel:
        return 10;
    case TextRole::PointLabel:
        return 12;
    case TextRole::Legend:
        return 11;
    }
    return 11;
}

bool FontBold(TextRole role) {
    return role == TextRole::Title || role == TextRole::PointLabel;
}

TextSize ApproximateTextSize(const std::string& text, TextRole role) {
    // Count characters, not UTF-8 bytes, so "°F" is two wide.
    const auto chars = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    const double em = FontPixelSize(role);
    return {static_cast<double>(chars) * em * (FontBold(role) ? 0.65 : 0.6), em * 1.25};
}

namespace {

PlacedText Text(const std::string& text, TextRole role, const TextMeasure& measure) {
    const TextSize size = measure(text, role);
    return {text, role, {0, 0, size.width, size.height}, false};
}

PlacedText At(PlacedText t, double left, double top) {
    t.box.left = left;
    t.box.top = top;
    return t;
}

// ---------------------------------------------------------------- axes

constexpr double kBigW = 1e9;

struct AxisDefaults {
    AxisRange x;
    AxisRange y;
    double enthalpyStep;
    // The widest spans the axes may take, chart units.
    double xLowest, xHighest, yHighest;
};

AxisDefaults Defaults(const ChartModel& m) {
    if (m.SIUnits)
        return {{0, 45, 5, 1}, {0, 30, 5, 1}, 10, -40, 90, 140};
    return {{30, 110, 10, 2}, {0, 200, 20, 10}, 5, -40, 200, 1000};
}

bool Finite(double v) {
    return std::isfinite(v);
}

bool StatePlottable(const ChartModel& m, const AirState& s) {
    return m.hasStates && Finite(s.T) && Finite(s.W);
}

// Grid and curve values: whole numbers without a point, others to one decimal.
std::string TickText(double v) {
    return common::FormatPattern(v, std::fabs(v - std::round(v)) < 1e-9 ? "##0" : "##0.0");
}

} // namespace

AxisRange DryBulbRange(const ChartModel& m) {
    const AxisDefaults d = Defaults(m);
    AxisRange r = d.x;
    for (const AirState& s : m.states) {
        if (!StatePlottable(m, s))
            continue;
        const double t = ChartT(m, s.T);
        // Keep a little room between a point and the frame.
        const double pad = r.major / 4;
        if (t - pad < r.min)
            r.min = std::floor((t - pad) / r.major) * r.major;
        if (t + pad > r.max)
            r.max = std::ceil((t + pad) / r.major) * r.major;
    }
    r.min = std::max(r.min, d.xLowest);
    r.max = std::min(r.max, d.xHighest);
    return r;
}

AxisRange HumidityRange(const ChartModel& m) {
    const AxisDefaults d = Defaults(m);
    AxisRange r = d.y;
    for (const AirState& s : m.states) {
        if (!StatePlottable(m, s))
            continue;
        const double w = ChartW(m, s.W);
        const double pad = r.major / 4;
        if (w + pad > r.max)
            r.max = std::ceil((w + pad) / r.major) * r.major;
    }
    r.max = std::min(r.max, d.yHighest);
    return r;
}

double SaturationW(const ChartModel& m, double chartT) {
    const double ws = SatMoist(EngineT(m, chartT), m.Patm);
    // Where vapour pressure reaches the barometric pressure there is no
    // saturation moisture: the curve has left the top of any chart.
    if (!Finite(ws) || ws < 0)
        return kBigW;
    return ChartW(m, ws);
}

// ---------------------------------------------------------------- clipping

namespace {

// Liang–Barsky clip of one segment; false when it misses the box.
bool ClipSegment(Point& a, Point& b, const Box& box) {
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const std::array<double, 4> p = {-dx, dx, -dy, dy};
    const std::array<double, 4> q = {a.x - box.left, box.right() - a.x, a.y - box.top,
                                     box.bottom() - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1)
            return false;
    }
    const Point a0 = a;
    a = {a0.x + t0 * dx, a0.y + t0 * dy};
    b = {a0.x + t1 * dx, a0.y + t1 * dy};
    return true;
}

bool Same(const Point& a, const Point& b) {
    return std::fabs(a.x - b.x) < 1e-9 && std::fabs(a.y - b.y) < 1e-9;
}

} // namespace

std::vector<std::vector<Point>> ClipPolyline(const std::vector<Point>& line, const Box& box) {
    std::vector<std::vector<Point>> pieces;
    std::vector<Point> current;
    for (std::size_t i = 1; i < line.size(); ++i) {
        Point a = line[i - 1], b = line[i];
        if (!Finite(a.x) || !Finite(a.y) || !Finite(b.x) || !Finite(b.y) ||
            !ClipSegment(a, b, box)) {
            if (current.size() > 1)
                pieces.push_back(std::move(current));
            current.clear();
            continue;
        }
        if (!current.empty() && !Same(current.back(), a)) {
            if (current.size() > 1)
                pieces.push_back(std::move(current));
            current.clear();
        }
        if (current.empty())
            current.push_back(a);
        current.push_back(b);
    }
    if (current.size() > 1)
        pieces.push_back(std::move(current));
    return pieces;
}

namespace {

// ---------------------------------------------------------------- curves

constexpr int kCurveSamples = 240;

// The samples of w = f(t) across the dry-bulb span, clipped to the chart and
// mapped to pixels; the longest piece (the curves here are single pieces).
template <typename F> std::vector<Point> SampledCurve(const ChartMapping& map, F&& f) {
    const AxisRange& x = map.X();
    std::vector<Point> chartPts;
    chartPts.reserve(kCurveSamples + 1);
    for (int i = 0; i <= kCurveSamples; ++i) {
        const double t = x.min + (x.max - x.min) * i / kCurveSamples;
        chartPts.push_back({t, f(t)});
    }
    const Box bounds{x.min, map.Y().min, x.max - x.min, map.Y().max - map.Y().min};
    auto pieces = ClipPolyline(chartPts, bounds);
    if (pieces.empty())
        return {};
    auto longest = std::max_element(pieces.begin(), pieces.end(), [](const auto& a, const auto& b) {
        return a.size() < b.size();
    });
    std::vector<Point> px;
    px.reserve(longest->size());
    for (const Point& p : *longest)
        px.push_back(map.ToPixel(p.x, p.y));
    return px;
}

// The dry bulb (chart units) at which air of humidity ratio w is saturated,
// within the dry-bulb span; nothing when saturation lies beyond its right end.
std::optional<double> SaturationT(const ChartModel& m, const AxisRange& x, double w) {
    if (SaturationW(m, x.min) >= w)
        return x.min;
    if (SaturationW(m, x.max) < w)
        return std::nullopt;
    double lo = x.min, hi = x.max;
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        (SaturationW(m, mid) < w ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

// Dry bulb (°F) at which air of enthalpy h (Btu/lb) is saturated.
std::optional<double> SaturatedAtEnthalpyF(double hBtulb, double P) {
    double hi = TempFromEnthalpy(0, hBtulb); // dry air: the line's lowest end
    double lo = -150;
    const auto excess = [&](double t) {
        const double ws = SatMoist(t, P);
        const double sat = Finite(ws) && ws >= 0 ? ws : kBigW;
        return MoistFromEnthalpy(t, hBtulb) - sat;
    };
    if (!(hi > lo) || excess(lo) <= 0 || excess(hi) > 0)
        return std::nullopt;
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        (excess(mid) > 0 ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

bool NearlyEqual(double a, double b) {
    return std::fabs(a - b) < 0.5;
}

// ---------------------------------------------------------------- label search

// Candidate label boxes around a marker, in order of preference.
std::array<Box, 8> LabelCandidates(const Point& at, double w, double h, double gap) {
    const double d = gap * 0.75;
    return {{
        {at.x + d, at.y - d - h, w, h},       // up right
        {at.x + d, at.y + d, w, h},           // down right
        {at.x - d - w, at.y - d - h, w, h},   // up left
        {at.x - d - w, at.y + d, w, h},       // down left
        {at.x + gap, at.y - h / 2, w, h},     // right
        {at.x - gap - w, at.y - h / 2, w, h}, // left
        {at.x - w / 2, at.y - gap - h, w, h}, // above
        {at.x - w / 2, at.y + gap, w, h},     // below
    }};
}

bool SegmentHitsBox(Point a, Point b, const Box& box) {
    return ClipSegment(a, b, box);
}

int Crossings(const std::vector<Point>& line, const Box& box) {
    int n = 0;
    for (std::size_t i = 1; i < line.size(); ++i)
        if (SegmentHitsBox(line[i - 1], line[i], box))
            ++n;
    return n;
}

constexpr double kMarkerRadius = 4.5;

void PlaceStateLabels(ChartLayout& L, const std::vector<Box>& obstacles) {
    const std::size_t n = L.marks.size();
    if (n == 0)
        return;
    const Box& plot = L.map.Plot();
    const Box inner{plot.left + 2, plot.top + 2, plot.width - 4, plot.height - 4};
    constexpr int kChoices = 8;

    std::vector<std::array<Box, kChoices>> cands(n);
    std::vector<std::array<double, kChoices>> cost(n);
    for (std::size_t i = 0; i < n; ++i) {
        StateMark& mk = L.marks[i];
        cands[i] =
            LabelCandidates(mk.at, mk.label.box.width, mk.label.box.height, kMarkerRadius + 4);
        for (int c = 0; c < kChoices; ++c) {
            const Box& b = cands[i][c];
            double k = c; // mild preference for the first candidates
            if (!inner.Contains(b))
                k += 1e7;
            for (const Box& o : obstacles)
                k += 20 * b.OverlapArea(o);
            for (const StateMark& other : L.marks)
                k += 200 * b.OverlapArea(other.marker);
            for (const Arrow& a : L.arrows)
                if (SegmentHitsBox(a.tail, a.tip, b))
                    k += 400;
            // A label nearer another state than its own would name the wrong point.
            const Point centre{b.left + b.width / 2, b.top + b.height / 2};
            const double own = std::hypot(centre.x - mk.at.x, centre.y - mk.at.y);
            for (const StateMark& other : L.marks)
                if (other.id != mk.id &&
                    std::hypot(centre.x - other.at.x, centre.y - other.at.y) < own)
                    k += 300;
            k += 60 * Crossings(L.saturation.points, b);
            for (const Curve& c2 : L.rhCurves)
                k += 4 * Crossings(c2.points, b);
            cost[i][c] = k;
        }
    }

    // Every combination (8^4 for the four states): the cheapest wins, and any
    // overlap between two state labels costs more than any other placement.
    std::vector<int> choice(n, 0), best(n, 0);
    double bestCost = std::numeric_limits<double>::infinity();
    const auto pairCost = [&](std::size_t i, int ci, std::size_t j, int cj) {
        const double a = cands[i][ci].OverlapArea(cands[j][cj]);
        return a > 0 ? 1e6 + a : 0.0;
    };
    std::size_t total = 1;
    for (std::size_t i = 0; i < n; ++i)
        total *= kChoices;
    for (std::size_t code = 0; code < total; ++code) {
        std::size_t rest = code;
        double k = 0;
        for (std::size_t i = 0; i < n; ++i) {
            choice[i] = static_cast<int>(rest % kChoices);
            rest /= kChoices;
            k += cost[i][choice[i]];
        }
        if (k >= bestCost)
            continue;
        for (std::size_t i = 0; i < n && k < bestCost; ++i)
            for (std::size_t j = i + 1; j < n; ++j)
                k += pairCost(i, choice[i], j, choice[j]);
        if (k < bestCost) {
            bestCost = k;
            best = choice;
        }
    }
    for (std::size_t i = 0; i < n; ++i)
        L.marks[i].label.box = cands[i][best[i]];
}

// Removes curve labels that a state label or marker covers: the states matter more.
void DropCoveredCurveLabels(ChartLayout& L) {
    const auto drop = [&](Curve& c) {
        if (!c.label)
            return;
        for (const StateMark& mk : L.marks)
            if (mk.label.box.Intersects(c.label->box) || mk.marker.Intersects(c.label->box)) {
                c.label.reset();
                return;
            }
    };
    drop(L.saturation);
    for (Curve& c : L.rhCurves)
        drop(c);
    for (Curve& c : L.enthalpyLines)
        drop(c);
}

// ---------------------------------------------------------------- arrows

std::optional<Arrow> MakeArrow(const StateMark& from, const StateMark& to) {
    const double dx = to.at.x - from.at.x, dy = to.at.y - from.at.y;
    const double len = std::hypot(dx, dy);
    const double trim = kMarkerRadius + 2;
    if (len < 2 * trim + 6)
        return std::nullopt;
    const double ux = dx / len, uy = dy / len;
    Arrow a;
    a.from = from.id;
    a.to = to.id;
    a.tail = {from.at.x + ux * trim, from.at.y + uy * trim};
    const Point tip{to.at.x - ux * trim, to.at.y - uy * trim};
    const double headLen = std::min(10.0, (len - 2 * trim) / 2), headHalf = headLen * 0.4;
    const Point base{tip.x - ux * headLen, tip.y - uy * headLen};
    a.tip = base; // the shaft ends where the head begins
    a.head = {tip,
              {base.x - uy * headHalf, base.y + ux * headHalf},
              {base.x + uy * headHalf, base.y - ux * headHalf}};
    return a;
}

} // namespace

// ---------------------------------------------------------------- layout

ChartLayout LayoutChart(const ChartModel& m, const Box& area, const TextMeasure& measure) {
    ChartLayout L;
    L.area = area;
    const bool si = m.SIUnits;
    const AxisDefaults d = Defaults(m);

    // Title row: the chart's name on the left, the site's pressure on the right.
    L.title =
        At(Text("Psychrometric Chart", TextRole::Title, measure), area.left + 12, area.top + 8);
    const std::string pressure =
        si ? "Barometric pressure " + common::FormatPattern(m.Patm * 6.894757, "##0.00") +
                 " kPa, elevation " + common::FormatPattern(m.Elev * 0.3048, "##,##0") + " m"
           : "Barometric pressure " + common::FormatPattern(m.Patm, "##0.000") +
                 " psia, elevation " + common::FormatPattern(m.Elev, "##,##0") + " ft";
    L.subtitle = Text(pressure, TextRole::Subtitle, measure);
    L.subtitle = At(L.subtitle, area.right() - 12 - L.subtitle.box.width,
                    L.title.box.bottom() - L.subtitle.box.height - 1);

    if (!PressureUsable(m.Patm)) {
        L.message = "No chart: the barometric pressure at this elevation leaves no room for "
                    "moist air.";
        return L;
    }

    const AxisRange xr = DryBulbRange(m);
    const AxisRange yr = HumidityRange(m);

    // Margins from the texts that sit outside the plot.
    double yTickWidth = 0;
    for (double v = yr.min; v <= yr.max + 1e-9; v += yr.major)
        yTickWidth = std::max(yTickWidth, measure(TickText(v), TextRole::Tick).width);
    const double tickH = measure("0", TextRole::Tick).height;
    const double firstX = measure(TickText(xr.min), TextRole::Tick).width;
    L.xTitle = Text(si ? "Dry bulb temperature, °C" : "Dry bulb temperature, °F",
                    TextRole::AxisTitle, measure);
    L.yTitle = Text(si ? "Humidity ratio, g/kg dry air" : "Humidity ratio, gr/lb dry air",
                    TextRole::AxisTitle, measure);
    const double top = L.title.box.bottom() + 10;
    const double left = area.left + std::max(16.0, firstX / 2 + 8);
    const double right = area.right() - (6 + yTickWidth + 10 + L.yTitle.box.height + 10);
    const double bottom = area.bottom() - (6 + tickH + 6 + L.xTitle.box.height + 8);
    const Box plot{left, top, right - left, bottom - top};
    if (plot.width < 120 || plot.height < 80) {
        L.message = "The window is too small for the chart.";
        return L;
    }
    L.usable = true;
    L.map = ChartMapping(plot, xr, yr);
    const ChartMapping& map = L.map;

    L.xTitle = At(L.xTitle, plot.left + (plot.width - L.xTitle.box.width) / 2,
                  plot.bottom() + 6 + tickH + 6);
    // The humidity-ratio title reads upwards beside the right-hand scale.
    const TextSize yts{L.yTitle.box.width, L.yTitle.box.height};
    L.yTitle.rotated = true;
    L.yTitle.box = {plot.right() + 6 + yTickWidth + 10, plot.top + (plot.height - yts.width) / 2,
                    yts.height, yts.width};

    // Grid: dry-bulb lines rise to the saturation curve, humidity lines run
    // from it to the right-hand scale, as on a printed chart.
    const auto onMajor = [](double v, double step) {
        const double r = std::fmod(std::fabs(v), step);
        return r < 1e-6 || step - r < 1e-6;
    };
    const long nx = std::lround((xr.max - xr.min) / xr.minor);
    for (long i = 0; i <= nx; ++i) {
        Tick t;
        t.value = xr.min + i * xr.minor;
        t.major = onMajor(t.value, xr.major);
        const double wTop = std::min(SaturationW(m, t.value), yr.max);
        if (wTop > yr.min)
            t.line = {map.ToPixel(t.value, yr.min), map.ToPixel(t.value, wTop)};
        if (t.major) {
            PlacedText lbl = Text(TickText(t.value), TextRole::Tick, measure);
            const Point p = map.ToPixel(t.value, yr.min);
            t.label = At(lbl, p.x - lbl.box.width / 2, plot.bottom() + 6);
        }
        L.xTicks.push_back(std::move(t));
    }
    const long ny = std::lround((yr.max - yr.min) / yr.minor);
    for (long i = 0; i <= ny; ++i) {
        Tick t;
        t.value = yr.min + i * yr.minor;
        t.major = onMajor(t.value, yr.major);
        if (const auto tSat = SaturationT(m, xr, t.value))
            t.line = {map.ToPixel(*tSat, t.value), map.ToPixel(xr.max, t.value)};
        if (t.major) {
            PlacedText lbl = Text(TickText(t.value), TextRole::Tick, measure);
            const Point p = map.ToPixel(xr.max, t.value);
            t.label = At(lbl, plot.right() + 6, p.y - lbl.box.height / 2);
        }
        L.yTicks.push_back(std::move(t));
    }

    // Curves.
    L.saturation.kind = CurveKind::Saturation;
    L.saturation.value = 100;
    L.saturation.points = SampledCurve(map, [&](double t) { return SaturationW(m, t); });
    for (int rh = 10; rh <= 90; rh += 10) {
        Curve c;
        c.kind = CurveKind::RelativeHumidity;
        c.value = rh;
        c.points = SampledCurve(map, [&](double t) {
            const double pw = SatPressure(EngineT(m, t)) * rh / 100.0;
            const double w = HumRatio(pw, m.Patm) * kGrainsPerLb;
            return Finite(w) && w >= 0 ? ChartW(m, w) : kBigW;
        });
        if (!c.points.empty())
            L.rhCurves.push_back(std::move(c));
    }
    const double hLow = ChartEnthalpy(m, Enthalpy(EngineT(m, xr.min), 0));
    const double hHigh = ChartEnthalpy(m, Enthalpy(EngineT(m, xr.max), EngineW(m, yr.max)));
    for (double h = std::ceil(hLow / d.enthalpyStep) * d.enthalpyStep; h <= hHigh;
         h += d.enthalpyStep) {
        const double hIP = EngineEnthalpy(m, h);
        const auto tSat = SaturatedAtEnthalpyF(hIP, m.Patm);
        if (!tSat)
            continue;
        const double tDry = TempFromEnthalpy(0, hIP);
        std::vector<Point> chartPts;
        constexpr int kSteps = 24;
        for (int i = 0; i <= kSteps; ++i) {
            const double tF = *tSat + (tDry - *tSat) * i / kSteps;
            chartPts.push_back({ChartT(m, tF), ChartW(m, MoistFromEnthalpy(tF, hIP))});
        }
        const Box bounds{xr.min, yr.min, xr.max - xr.min, yr.max - yr.min};
        auto pieces = ClipPolyline(chartPts, bounds);
        if (pieces.empty())
            continue;
        Curve c;
        c.kind = CurveKind::Enthalpy;
        c.value = h;
        for (const Point& p : pieces.front())
            c.points.push_back(map.ToPixel(p.x, p.y));
        // The label sits just above and left of the line's saturated end, in
        // the open space over the saturation curve.
        const Point s = map.ToPixel(chartPts.front().x, chartPts.front().y);
        if (plot.Contains(s)) {
            PlacedText lbl = Text(TickText(h), TextRole::CurveLabel, measure);
            c.label = At(lbl, s.x - 3 - lbl.box.width, s.y - 2 - lbl.box.height);
        }
        L.enthalpyLines.push_back(std::move(c));
    }

    // Legend in the open upper-left corner above the saturation curve.
    {
        const std::array<std::pair<LegendEntry::Swatch, std::string>, 4> items = {{
            {LegendEntry::Swatch::SupplyArrow, "Supply process (Off Coil Air to Supply Air)"},
            {LegendEntry::Swatch::ExhaustArrow, "Exhaust process (Return/Mixed Air to Exit Air)"},
            {LegendEntry::Swatch::RelativeHumidity, "Relative humidity, %"},
            {LegendEntry::Swatch::Enthalpy,
             si ? "Enthalpy, kJ/kg dry air" : "Enthalpy, BTU/lb dry air"},
        }};
        const double swatchW = 26, pad = 6;
        double y = plot.top + 8 + pad, widest = 0;
        for (const auto& [swatch, text] : items) {
            LegendEntry e{swatch, Text(text, TextRole::Legend, measure), {}};
            e.swatchBox = {plot.left + 8 + pad, y, swatchW, e.text.box.height};
            e.text = At(e.text, e.swatchBox.right() + 6, y);
            widest = std::max(widest, e.text.box.right() - (plot.left + 8));
            y += e.text.box.height + 2;
            L.legend.push_back(std::move(e));
        }
        L.legendBox = {plot.left + 8, plot.top + 8, widest + pad, y - (plot.top + 8) + pad - 2};
        // A legend that would cover the curves of a small chart is left out.
        if (Crossings(L.saturation.points, L.legendBox) > 0 || !plot.Contains(L.legendBox)) {
            L.legend.clear();
            L.legendBox = {};
        }
    }

    // Curve labels: relative humidity at the end where each curve leaves the
    // chart, kept apart from each other, the legend and the enthalpy labels.
    std::vector<Box> taken;
    if (L.legendBox.width > 0)
        taken.push_back(L.legendBox);
    const Box inner{plot.left + 1, plot.top + 1, plot.width - 2, plot.height - 2};
    const auto free = [&](const Box& b) {
        if (!inner.Contains(b))
            return false;
        return std::none_of(taken.begin(), taken.end(),
                            [&](const Box& o) { return o.Intersects(b); });
    };
    std::vector<Curve*> rhAll{&L.saturation};
    for (Curve& c : L.rhCurves)
        rhAll.push_back(&c);
    for (Curve* c : rhAll) {
        if (c->points.empty())
            continue;
        const Point end = c->points.back();
        PlacedText lbl = Text(TickText(c->value) + "%", TextRole::CurveLabel, measure);
        const double w = lbl.box.width, h = lbl.box.height;
        std::vector<Box> options;
        if (NearlyEqual(end.y, plot.top)) {
            options = {{end.x + 3, plot.top + 3, w, h}, {end.x - 3 - w, plot.top + 3, w, h}};
        } else {
            options = {{plot.right() - 3 - w, end.y - 3 - h, w, h},
                       {plot.right() - 3 - w, end.y + 3, w, h}};
        }
        for (const Box& b : options) {
            if (free(b)) {
                lbl.box = b;
                c->label = lbl;
                taken.push_back(b);
                break;
            }
        }
    }
    for (Curve& c : L.enthalpyLines) {
        if (!c.label)
            continue;
        if (free(c.label->box))
            taken.push_back(c.label->box);
        else
            c.label.reset();
    }

    // The four states, the two process arrows, then their labels.
    for (const AirState& s : m.states) {
        if (!StatePlottable(m, s))
            continue;
        StateMark mk;
        mk.id = s.id;
        mk.at = map.ToPixel(ChartT(m, s.T), ChartW(m, s.W));
        // Beyond the widest axes the chart takes (values no site produces)
        // the state is left off rather than drawn over the scales.
        if (!plot.Contains(mk.at))
            continue;
        mk.marker = {mk.at.x - kMarkerRadius, mk.at.y - kMarkerRadius, 2 * kMarkerRadius,
                     2 * kMarkerRadius};
        mk.label = Text(s.name, TextRole::PointLabel, measure);
        L.marks.push_back(std::move(mk));
    }
    const auto mark = [&](StateId id) -> const StateMark* {
        for (const StateMark& mk : L.marks)
            if (mk.id == id)
                return &mk;
        return nullptr;
    };
    for (const auto& [from, to] : {std::pair{StateId::OffCoil, StateId::Supply},
                                   std::pair{StateId::ReturnMixed, StateId::Exhaust}}) {
        const StateMark* a = mark(from);
        const StateMark* b = mark(to);
        if (a && b)
            if (auto arrow = MakeArrow(*a, *b))
                L.arrows.push_back(std::move(*arrow));
    }
    PlaceStateLabels(L, taken);
    DropCoveredCurveLabels(L);
    return L;
}

std::optional<StateId> StateAt(const ChartLayout& layout, const Point& p, double radius) {
    std::optional<StateId> found;
    double nearest = radius;
    for (const StateMark& mk : layout.marks) {
        const double dist = std::hypot(mk.at.x - p.x, mk.at.y - p.y);
        if (dist <= nearest) {
            nearest = dist;
            found = mk.id;
        }
    }
    return found;
}

} // namespace kestrix::chart
