// The chart's geometry: states where their values say, curves through the
// engine's saturation moisture, labels clear of each other, axes that hold
// every state, and the hover values against the component's own.
#include "ChartGeometry.h"
#include "ChartModel.h"
#include "ChartTestCase.h"

#include "engine/MoistAir.h"
#include "engine/Units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace kestrix::chart {
namespace {

using testing::ChartTestCase;
using testing::kCondensationCase;

const Box kArea{0, 0, 900, 600};

// The y pixel of a polyline at pixel column x, by linear interpolation;
// NaN when the line does not reach x.
double PolylineYAt(const std::vector<Point>& line, double x) {
    for (std::size_t i = 1; i < line.size(); ++i) {
        const Point& a = line[i - 1];
        const Point& b = line[i];
        if ((a.x <= x && x <= b.x) || (b.x <= x && x <= a.x)) {
            if (b.x == a.x)
                return a.y;
            return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
        }
    }
    return std::numeric_limits<double>::quiet_NaN();
}

TEST(ChartMapping, MapsChartUnitsToPixelsAndBack) {
    const ChartMapping map({100, 50, 800, 400}, {30, 110, 10, 2}, {0, 200, 20, 10});
    struct Row {
        const char* name;
        double t, w, px, py;
    } rows[] = {
        {"lower left corner", 30, 0, 100, 450},
        {"upper right corner", 110, 200, 900, 50},
        {"middle", 70, 100, 500, 250},
        {"start-up off-coil air", 50, 51.8, 300, 450 - 51.8 * 2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Point p = map.ToPixel(r.t, r.w);
        EXPECT_NEAR(p.x, r.px, 1e-9);
        EXPECT_NEAR(p.y, r.py, 1e-9);
        const Point back = map.ToChart(p);
        EXPECT_NEAR(back.x, r.t, 1e-9);
        EXPECT_NEAR(back.y, r.w, 1e-9);
    }
}

// Each state's marker sits at the pixel its dry bulb and moisture map to, in
// the units in force, and hit-testing that pixel finds the state again.
TEST(ChartLayout, PlacesEachStateAtItsValues) {
    for (const bool si : {false, true}) {
        SCOPED_TRACE(si ? "SI" : "IP");
        ChartTestCase tc({}, si);
        const ChartModel m = ModelFromCase(tc.Case());
        const ChartLayout L = LayoutChart(m, kArea);
        ASSERT_TRUE(L.usable);
        ASSERT_EQ(L.marks.size(), 4u);
        const DesignCase& dc = tc.Case();
        const std::pair<double, double> values[] = {
            {dc.Toa, dc.Woa}, {dc.Tsa, dc.Wsa}, {dc.Tra, dc.Wra}, {dc.Tea, dc.Wea}};
        for (std::size_t i = 0; i < 4; ++i) {
            const StateMark& mk = L.marks[i];
            const auto [tF, wGr] = values[i];
            const double t = si ? FToCelsius(tF) : tF;
            const double w = si ? GrlbToGkg(wGr) : wGr;
            const Box& plot = L.map.Plot();
            const AxisRange& x = L.map.X();
            const AxisRange& y = L.map.Y();
            EXPECT_NEAR(mk.at.x, plot.left + (t - x.min) / (x.max - x.min) * plot.width, 1e-9);
            EXPECT_NEAR(mk.at.y, plot.bottom() - (w - y.min) / (y.max - y.min) * plot.height, 1e-9);
            EXPECT_EQ(StateAt(L, mk.at), mk.id);
        }
    }
}

TEST(ChartLayout, SaturationCurvePassesThroughSatMoist) {
    struct Row {
        const char* name;
        bool si;
        double elevFt;
        double t; // chart units
    } rows[] = {
        {"IP 35 °F", false, 0, 35},
        {"IP 50 °F", false, 0, 50},
        {"IP 65 °F", false, 0, 65},
        {"IP 80 °F", false, 0, 80},
        {"IP 70 °F at 5000 ft", false, 5000, 70},
        {"SI 5 °C", true, 0, 5},
        {"SI 20 °C", true, 0, 20},
        {"SI 28 °C", true, 0, 28},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ChartModel m;
        m.SIUnits = r.si;
        m.Elev = r.elevFt;
        m.Patm = PressureAtElevation(r.elevFt);
        const ChartLayout L = LayoutChart(m, kArea);
        ASSERT_TRUE(L.usable);
        const double tF = r.si ? CelsiusToF(r.t) : r.t;
        const double ws = SatMoist(tF, m.Patm);
        const double w = r.si ? GrlbToGkg(ws) : ws;
        EXPECT_DOUBLE_EQ(SaturationW(m, r.t), w);
        const Point expected = L.map.ToPixel(r.t, w);
        EXPECT_NEAR(PolylineYAt(L.saturation.points, expected.x), expected.y, 0.5);
    }
}

TEST(ChartLayout, CondensingExhaustSitsOnTheSaturationCurve) {
    ChartTestCase tc(kCondensationCase);
    const DesignCase& dc = tc.Case();
    ASSERT_GT(dc.CondE, 0) << "the case should condense in the exhaust air";
    // The engine finds the saturated exhaust by a search on the dew point
    // that stops within 0.01 °F, a few hundredths of a grain.
    EXPECT_NEAR(dc.Wea, SatMoist(dc.Tea, dc.Patm), 0.15);

    const ChartLayout L = LayoutChart(ModelFromCase(dc), kArea);
    const StateMark& exhaust = L.marks[static_cast<std::size_t>(StateId::Exhaust)];
    ASSERT_EQ(exhaust.id, StateId::Exhaust);
    EXPECT_NEAR(PolylineYAt(L.saturation.points, exhaust.at.x), exhaust.at.y, 0.5);
}

// Every label against every other: state labels never overlap each other, a
// marker or a curve label that is kept; curve labels never overlap each other.
void ExpectLabelsClear(const ChartLayout& L) {
    std::vector<const PlacedText*> curveLabels;
    for (const Curve* c : {&L.saturation})
        if (c->label)
            curveLabels.push_back(&*c->label);
    for (const auto* set : {&L.rhCurves, &L.enthalpyLines})
        for (const Curve& c : *set)
            if (c.label)
                curveLabels.push_back(&*c.label);
    const Box& plot = L.map.Plot();
    for (std::size_t i = 0; i < L.marks.size(); ++i) {
        const StateMark& a = L.marks[i];
        EXPECT_TRUE(plot.Contains(a.label.box)) << a.label.text << " leaves the plot";
        EXPECT_FALSE(a.label.box.Intersects(L.legendBox)) << a.label.text << " / legend";
        for (std::size_t j = 0; j < L.marks.size(); ++j) {
            const StateMark& b = L.marks[j];
            EXPECT_FALSE(a.label.box.Intersects(b.marker))
                << a.label.text << " covers the marker of " << b.label.text;
            if (j > i) {
                EXPECT_FALSE(a.label.box.Intersects(b.label.box))
                    << a.label.text << " / " << b.label.text;
            }
        }
        for (const PlacedText* c : curveLabels) {
            EXPECT_FALSE(a.label.box.Intersects(c->box)) << a.label.text << " / " << c->text;
        }
    }
    for (std::size_t i = 0; i < curveLabels.size(); ++i) {
        for (std::size_t j = i + 1; j < curveLabels.size(); ++j) {
            EXPECT_FALSE(curveLabels[i]->box.Intersects(curveLabels[j]->box))
                << curveLabels[i]->text << " / " << curveLabels[j]->text;
        }
    }
}

TEST(ChartLayout, LabelsDoNotOverlap) {
    struct Row {
        const char* name;
        testing::Typed typed;
        bool si;
        Box area;
    } rows[] = {
        {"start-up case", {}, false, kArea},
        {"start-up case, SI", {}, true, kArea},
        {"condensation case", kCondensationCase, false, kArea},
        {"condensation case, small window", kCondensationCase, false, {0, 0, 560, 380}},
        {"condensation case, large export", kCondensationCase, false, {0, 0, 1200, 800}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ChartTestCase tc(r.typed, r.si);
        const ChartLayout L = LayoutChart(ModelFromCase(tc.Case()), r.area);
        ASSERT_TRUE(L.usable);
        ASSERT_EQ(L.marks.size(), 4u);
        ExpectLabelsClear(L);
    }
}

// Two states on the same spot still get four separate labels.
TEST(ChartLayout, CoincidentStatesKeepSeparateLabels) {
    ChartModel m;
    m.hasStates = true;
    for (int i = 0; i < kStateCount; ++i)
        m.states[static_cast<std::size_t>(i)] = {
            static_cast<StateId>(i), "State " + std::to_string(i), 60, 50, 55, 600};
    const ChartLayout L = LayoutChart(m, kArea);
    ASSERT_EQ(L.marks.size(), 4u);
    EXPECT_TRUE(L.arrows.empty()) << "no arrow between states on one spot";
    ExpectLabelsClear(L);
}

// Any four states the engine can produce, at any site elevation it accepts, in
// either unit system: the labels stay apart and inside the plot.
TEST(ChartLayout, RandomStatesKeepTheirLabelsApart) {
    std::mt19937 random(20261211);
    std::uniform_real_distribution<double> dryBulb(30, 110), fraction(0, 1),
        elevation(-2000, 20000);
    for (int run = 0; run < 150; ++run) {
        ChartModel m;
        m.SIUnits = run % 2 == 1;
        m.Elev = elevation(random);
        m.Patm = PressureAtElevation(m.Elev);
        m.hasStates = true;
        for (int i = 0; i < kStateCount; ++i) {
            AirState& s = m.states[static_cast<std::size_t>(i)];
            s.id = static_cast<StateId>(i);
            s.name = std::array{"Off Coil Air", "Supply Air", "Return/Mixed Air", "Exit Air"}[i];
            s.T = dryBulb(random);
            // Up to saturation, and no more than the engine's limits allow
            // (return/mixed air at most 140 gr/lb, plus what the exhaust picks up).
            s.W = fraction(random) * std::min(SatMoist(s.T, m.Patm), 250.0);
        }
        SCOPED_TRACE("run " + std::to_string(run));
        const ChartLayout L = LayoutChart(m, kArea);
        ASSERT_TRUE(L.usable);
        ASSERT_EQ(L.marks.size(), 4u);
        ExpectLabelsClear(L);
    }
}

TEST(ChartAxes, WidenByWholeStepsToHoldEveryState) {
    struct Row {
        const char* name;
        bool si;
        double tF, wGr;
        AxisRange x, y; // expected spans (min, max)
    } rows[] = {
        {"inside the usual span", false, 75, 65, {30, 110}, {0, 200}},
        {"hot and humid", false, 116, 230, {30, 120}, {0, 240}},
        {"cold", false, 22, 10, {10, 110}, {0, 200}},
        {"SI humid", true, 95, 231, {0, 45}, {0, 35}},
        {"absurd values stay bounded", false, 5000, 1e7, {30, 200}, {0, 1000}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ChartModel m;
        m.SIUnits = r.si;
        m.hasStates = true;
        for (AirState& s : m.states) {
            s.T = r.si ? 68 : 75;
            s.W = 60;
        }
        m.states[3].T = r.tF;
        m.states[3].W = r.wGr;
        const AxisRange x = DryBulbRange(m), y = HumidityRange(m);
        EXPECT_DOUBLE_EQ(x.min, r.x.min);
        EXPECT_DOUBLE_EQ(x.max, r.x.max);
        EXPECT_DOUBLE_EQ(y.min, r.y.min);
        EXPECT_DOUBLE_EQ(y.max, r.y.max);
    }
}

// Values the engine cannot chart give a chart without states or a message,
// never a crash.
TEST(ChartLayout, UnchartableValuesDoNotBreakTheChart) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    {
        SCOPED_TRACE("pressure of an elevation beyond any site");
        for (const double p : {0.0, -3.0, 0.5, nan, inf}) {
            ChartModel m;
            m.Patm = p;
            m.hasStates = true;
            const ChartLayout L = LayoutChart(m, kArea);
            EXPECT_FALSE(L.usable);
            EXPECT_FALSE(L.message.empty());
        }
    }
    {
        SCOPED_TRACE("a state that is not a number");
        ChartTestCase tc;
        ChartModel m = ModelFromCase(tc.Case());
        m.states[1].T = nan;
        m.states[3].W = inf;
        const ChartLayout L = LayoutChart(m, kArea);
        ASSERT_TRUE(L.usable);
        EXPECT_EQ(L.marks.size(), 2u);
        EXPECT_TRUE(L.arrows.empty());
    }
    {
        SCOPED_TRACE("a window too small for a plot");
        ChartTestCase tc;
        const ChartLayout L = LayoutChart(ModelFromCase(tc.Case()), {0, 0, 120, 90});
        EXPECT_FALSE(L.usable);
    }
}

TEST(ChartLayout, ArrowsRunFromEachProcessStartToItsEnd) {
    ChartTestCase tc;
    const ChartLayout L = LayoutChart(ModelFromCase(tc.Case()), kArea);
    ASSERT_EQ(L.arrows.size(), 2u);
    const auto at = [&](StateId id) { return L.marks[static_cast<std::size_t>(id)].at; };
    for (const Arrow& a : L.arrows) {
        const Point from = at(a.from), to = at(a.to);
        const double len = std::hypot(to.x - from.x, to.y - from.y);
        // The arrowhead's tip points at the target state and stops short of it.
        ASSERT_EQ(a.head.size(), 3u);
        const double tipGap = std::hypot(to.x - a.head[0].x, to.y - a.head[0].y);
        EXPECT_GT(tipGap, 4.0);
        EXPECT_LT(tipGap, 8.0);
        EXPECT_LT(std::hypot(a.tail.x - from.x, a.tail.y - from.y), len / 2);
    }
    EXPECT_EQ(L.arrows[0].from, StateId::OffCoil);
    EXPECT_EQ(L.arrows[0].to, StateId::Supply);
    EXPECT_EQ(L.arrows[1].from, StateId::ReturnMixed);
    EXPECT_EQ(L.arrows[1].to, StateId::Exhaust);
}

// The hover values are the air-state popup's: computed by the engine's
// functions they agree with the component's own routines for the same state.
TEST(ChartModel, HoverValuesAgreeWithTheComponent) {
    ChartTestCase tc(kCondensationCase);
    const ChartModel m = ModelFromCase(tc.Case());
    hygrovex::_clsHygrovex& obj = *tc.component;
    for (const AirState& s : m.states) {
        SCOPED_TRACE(s.name);
        obj.MoistUnitsI(3);
        obj.SI(false);
        obj.StandardUnitsI(true);
        obj.ElevationI(m.Elev);
        obj.MoistureI(s.W);
        obj.TemperatureI(s.T);
        obj.VolumeI(s.Volume);
        obj.Calculate();
        const auto rows = StateRows(m, s.id);
        ASSERT_EQ(rows.size(), 10u);
        const auto number = [](const std::string& text) { return std::stod(text); };
        EXPECT_NEAR(number(rows[0].second), obj.DBTempO(), 0.05);
        EXPECT_NEAR(number(rows[1].second), obj.WBTempO(), 0.05);
        EXPECT_NEAR(number(rows[2].second), obj.DPTempO(), 0.3);
        EXPECT_NEAR(number(rows[3].second), obj.RHO() * (obj.RHO() <= 1 ? 100 : 1), 0.5);
        EXPECT_NEAR(number(rows[4].second), s.W, 0.05);
        EXPECT_NEAR(number(rows[6].second), obj.EnthalpyO(), 0.1);
        EXPECT_NEAR(number(rows[7].second), obj.SpecVolO(), 0.02);
        EXPECT_EQ(rows[8].second.substr(rows[8].second.size() - 5), " scfm");
    }
    EXPECT_EQ(StateTooltip(m, StateId::Supply).substr(0, 11), "Supply Air\n");
}

TEST(ChartModel, ShowsValuesInTheUnitsInForce) {
    ChartTestCase ip;
    ChartTestCase si({}, true);
    const auto rowsIp = StateRows(ModelFromCase(ip.Case()), StateId::OffCoil);
    const auto rowsSi = StateRows(ModelFromCase(si.Case()), StateId::OffCoil);
    EXPECT_EQ(rowsIp[0].second, "50.0°F");
    EXPECT_EQ(rowsSi[0].second, "10.0°C");
    EXPECT_EQ(rowsIp[4].second, "51.8 gr/lb");
    EXPECT_EQ(rowsSi[4].second, "7.4 g/kg");
    EXPECT_EQ(rowsIp[8].second, "600.0 scfm");
    EXPECT_EQ(rowsSi[8].second, "1,019.0 scmh");
    // kJ/kg of dry air from 0 °C: 10 °C air at 7.4 g/kg holds about 28.6 kJ/kg.
    EXPECT_NEAR(std::stod(rowsSi[6].second), 28.6, 0.3);
}

} // namespace
} // namespace kestrix::chart
