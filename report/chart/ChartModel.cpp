// The chart's view of the design case and the values of each state's hover text.
#include "ChartModel.h"

#include "common/NumberPattern.h"
#include "engine/MoistAir.h"
#include "engine/Units.h"

#include <cmath>

namespace kestrix::chart {

namespace {

// Enthalpy of dry air at 32 °F by the engine's correlation, Btu/lb: the offset
// between the inch-pound zero (0 °F) and the SI zero (0 °C).
constexpr double kEnthalpyAt32F = 0.24 * 32;
constexpr double kKjkgPerBtulb = 2.326;
// Specific volume, ft³/lb to m³/kg.
constexpr double kFt3lbPerM3kg = 16.0185;

std::string Value(double v, const char* pattern, const char* unit) {
    return common::FormatPattern(v, pattern) + unit;
}

} // namespace

bool PressureUsable(double patm) {
    // Below about 1 psia (far beyond any site elevation) water boils inside the
    // chart's temperature range and the saturation curve has no meaning.
    return std::isfinite(patm) && patm > 1.0;
}

ChartModel ModelFromCase(const DesignCase& dc) {
    ChartModel m;
    m.SIUnits = dc.SIUnits;
    m.Elev = dc.Elev;
    // Before the first run the case holds no pressure; take the site's.
    m.Patm = dc.Patm > 0 ? dc.Patm : PressureAtElevation(dc.Elev);
    m.hasStates = dc.Patm > 0;
    m.caption = dc.ModelCaption;
    m.states = {{
        {StateId::OffCoil, "Off Coil Air", dc.Toa, dc.Woa, dc.WBoa, dc.Voa},
        {StateId::Supply, "Supply Air", dc.Tsa, dc.Wsa, dc.WBsa, dc.Vsa},
        {StateId::ReturnMixed, "Return/Mixed Air", dc.Tra, dc.Wra, dc.WBra, dc.Vra},
        {StateId::Exhaust, "Exit Air", dc.Tea, dc.Wea, dc.WBea, dc.Vea},
    }};
    return m;
}

double ChartT(const ChartModel& m, double tF) {
    return m.SIUnits ? FToCelsius(tF) : tF;
}
double ChartW(const ChartModel& m, double wGrlb) {
    return m.SIUnits ? GrlbToGkg(wGrlb) : wGrlb;
}
double EngineT(const ChartModel& m, double chartT) {
    return m.SIUnits ? CelsiusToF(chartT) : chartT;
}
double EngineW(const ChartModel& m, double chartW) {
    return m.SIUnits ? GkgToGrlb(chartW) : chartW;
}

double ChartEnthalpy(const ChartModel& m, double hBtulb) {
    return m.SIUnits ? (hBtulb - kEnthalpyAt32F) * kKjkgPerBtulb : hBtulb;
}
double EngineEnthalpy(const ChartModel& m, double chartH) {
    return m.SIUnits ? chartH / kKjkgPerBtulb + kEnthalpyAt32F : chartH;
}

std::vector<std::pair<std::string, std::string>> StateRows(const ChartModel& m, StateId id) {
    const AirState& s = m.states[static_cast<std::size_t>(id)];
    const double P = m.Patm;
    const double dewPoint = DewPoint(s.W, P);
    const double rh = RelHumidity(P, s.W, s.T);
    const double h = Enthalpy(s.T, s.W);
    const double v = SpecVolume(P, s.W, s.T);
    const double actual = ActualVolume(s.Volume, v);
    if (m.SIUnits) {
        return {
            {"Dry Bulb Temp.", Value(FToCelsius(s.T), "###.0", "°C")},
            {"Wet Bulb Temp.", Value(FToCelsius(s.WetBulb), "###.0", "°C")},
            {"Dew Point Temp.", Value(FToCelsius(dewPoint), "###.0", "°C")},
            {"RH", Value(rh, "##0.0", "%")},
            {"Humidity Ratio", Value(GrlbToGkg(s.W), "###.0", " g/kg")},
            {"Humidity Ratio", Value(s.W / kGrainsPerLb, "0.###0", " kg/kg")},
            {"Enthalpy", Value(ChartEnthalpy(m, h), "###.#0", " kJ/kg")},
            {"Specific Volume", Value(v / kFt3lbPerM3kg, "0.##0", " cu.m/kg")},
            {"Air Volume", Value(ScfmToM3h(s.Volume), "#,###,###.0", " scmh")},
            {"Air Volume", Value(ScfmToM3h(actual), "#,###,###.0", " cmh")},
        };
    }
    return {
        {"Dry Bulb Temp.", Value(s.T, "###.0", "°F")},
        {"Wet Bulb Temp.", Value(s.WetBulb, "###.0", "°F")},
        {"Dew Point Temp.", Value(dewPoint, "###.0", "°F")},
        {"RH", Value(rh, "##0.0", "%")},
        {"Humidity Ratio", Value(s.W, "###.0", " gr/lb")},
        {"Humidity Ratio", Value(s.W / kGrainsPerLb, "0.####0", " lb/lb")},
        {"Enthalpy", Value(h, "###.#0", " BTU/lb")},
        {"Specific Volume", Value(v, "###.#0", " cu.ft/lb")},
        {"Air Volume", Value(s.Volume, "#,###,###.0", " scfm")},
        {"Air Volume", Value(actual, "#,###,###.0", " cfm")},
    };
}

std::string StateTooltip(const ChartModel& m, StateId id) {
    std::string text = m.states[static_cast<std::size_t>(id)].name;
    for (const auto& [caption, value] : StateRows(m, id))
        text += "\n" + caption + ": " + value;
    return text;
}

} // namespace kestrix::chart
