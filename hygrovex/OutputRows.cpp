// Row texts of the output window and the hooks to the window itself.
#include "OutputRows.h"

#include "common/NumberPattern.h"
#include "hygrovex/OutputText.h"

namespace hygrovex {

namespace {

OutputWindowHooks gHooks;

std::string Row(double value, const char* pattern, const char* unit) {
    return kestrix::common::FormatPattern(value, pattern) + unit;
}

double Celsius(double fahrenheit) {
    return (fahrenheit - 32.0) / 1.8;
}

} // namespace

std::array<std::string, kOutputRowCount> OutputValueTexts(const PsyStateRecord& s) {
    if (s.Metric == 1) {
        return {
            Row(Celsius(s.DryBulb), "###.0", "°C"),
            Row(Celsius(s.WetBulb), "###.0", "°C"),
            Row(Celsius(s.DewPoint), "###.0", "°C"),
            Row(s.RelHum * 100.0, "##0.0", "%"),
            Row(s.HumRatio * 1000.0, "###.0", " g/kg"),
            Row(s.HumRatio, "0.###0", " kg/kg"),
            Row(2.33 * s.Enthalpy, "###.#0", " kJ/kg"),
            Row(s.SpecVol / 16.0185, "0.##0", " cu.m/kg"),
            Row(s.StdVolume / 1.699014, "#,###,###.0", " scmh"),
            Row(s.ActVolume / 1.699014, "#,###,###.0", " cmh"),
        };
    }
    return {
        Row(s.DryBulb, "###.0", "°F"),
        Row(s.WetBulb, "###.0", "°F"),
        Row(s.DewPoint, "###.0", "°F"),
        Row(s.RelHum * 100.0, "##0.0", "%"),
        Row(s.HumRatio * 7000.0, "###.0", " gr/lb"),
        Row(s.HumRatio, "0.####0", " lb/lb"),
        Row(s.Enthalpy, "###.#0", " BTU/lb"),
        Row(s.SpecVol, "###.#0", " cu.ft/lb"),
        Row(s.StdVolume, "#,###,###.0", " scfm"),
        Row(s.ActVolume, "#,###,###.0", " cfm"),
    };
}

void SetOutputWindowHooks(const OutputWindowHooks& hooks) {
    gHooks = hooks;
}

const OutputWindowHooks& GetOutputWindowHooks() {
    return gHooks;
}

bool OutputCalc() {
    const bool ok = CalcRecord();
    if (gHooks.refresh)
        gHooks.refresh();
    return ok;
}

std::array<OutputRowText, 10> LastOutputRows() {
    const auto values = OutputValueTexts(PsyState);
    std::array<OutputRowText, 10> rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = OutputRowText{kOutputCaptions[i], values[i]};
    return rows;
}

} // namespace hygrovex
