// Builds the two clipboard layouts row by row. Rows 1 to 22 are filled by
// layout and unit system; a row that is never filled adds nothing.
#include "report/CopyResults.h"

#include "common/NumberPattern.h"
#include "common/NumberText.h"
#include "engine/RotorForm.h"

#include <array>
#include <initializer_list>

namespace kestrix::report {

using common::FormatPattern;
using common::ParseNumberText;

namespace {

constexpr int kRowCount = 22;
constexpr double kKgPerLb = 0.4536;

class CopyLines {
public:
    // A row of cells A, B, C ...: cells up to the last non-empty one, joined by
    // one TAB each, then LF (none after the last row).
    void Row(int row, std::initializer_list<std::string> cells) {
        std::size_t last = 0;
        std::size_t index = 0;
        for (const std::string& cell : cells) {
            ++index;
            if (!cell.empty())
                last = index;
        }
        std::string text;
        index = 0;
        for (const std::string& cell : cells) {
            if (index == last)
                break;
            if (index > 0)
                text += '\t';
            text += cell;
            ++index;
        }
        lines_[row] = text + (row == kRowCount ? "" : "\n");
    }
    void Blank(int row) { lines_[row] = row == kRowCount ? "" : "\n"; }

    std::string Joined() const {
        std::string text;
        for (int row = 1; row <= kRowCount; ++row)
            text += lines_[row];
        return text;
    }

private:
    std::array<std::string, kRowCount + 1> lines_{}; // element 0 is never filled
};

} // namespace

std::string BuildCopyText(const DesignCase& dc, const FormPort& port, int ExcelFormat) {
    const bool excel = ExcelFormat == kExcelLayout;
    const bool si = dc.SIUnits;
    const std::string dp = port.DecimalPoint();
    const std::string gs = port.GroupSeparator();
    auto text = [&port](const char* control) { return port.Text(control); };
    auto format = [&](double value, const char* pattern) {
        return FormatPattern(value, pattern, dp, gs);
    };
    // A field's text shown again with "##0.0": read as a number first; a text
    // that is no number is copied as it stands.
    auto reformat = [&](const char* control) {
        const std::string shown = port.Text(control);
        const std::optional<double> value = ParseNumberText(shown, dp, gs);
        return value ? format(*value, "##0.0") : shown;
    };
    // The condensate is held in lb/h; the SI rows are captioned in kg/h.
    const std::string condensate = format(si ? dc.CondE * kKgPerLb : dc.CondE, "###0.0");

    CopyLines lines;
    lines.Row(1, {"Model " + dc.ModelName});
    lines.Blank(2);
    lines.Row(3, {si ? "Supply Side Velocity, m/s" : "Supply Side Velocity, afpm", "", "",
                  text("lblVels")});
    const std::string supplyDrop =
        si ? "Supply Side Pressure Drop, Pa" : "Supply Side Pressure Drop, in. WC";
    const std::string exhaustDrop =
        si ? "Exhaust Side Pressure Drop, Pa" : "Exhaust Side Pressure Drop, in. WC";
    std::string condensateCaption;
    if (!si)
        condensateCaption = "Exhaust Side Condensate, lb/h";
    else
        condensateCaption =
            excel ? "Return Side Condensate, kg/h" : "Exhaust Side Condensate, kg/h";
    if (excel) {
        lines.Row(4, {supplyDrop, "", "", text("lblDPs")});
        lines.Row(7, {exhaustDrop, "", "", text("lblDPr")});
        lines.Row(9, {condensateCaption, "", "", condensate});
    } else {
        lines.Row(4, {supplyDrop, "", text("lblDPs")});
        lines.Row(7, {exhaustDrop, "", text("lblDPr")});
        lines.Row(9, {condensateCaption, "", condensate});
    }
    lines.Row(6, {si ? "Exhaust Side Velocity, m/s" : "Exhaust Side Velocity, afpm", "", "",
                  text("lblVelE")});
    lines.Row(8,
              {si ? "Moisture Transfer, kg/h" : "Moisture Transfer, lb/h", "", "", text("lbldWh")});
    lines.Blank(11);

    // Heat transfer.
    if (excel && si) {
        lines.Row(14, {"", "", "E Unbal.", "Watts"});
        lines.Row(15, {"Sensible Exchange", "", "", text("lblHeatS")});
        lines.Row(16, {"Latent Exchange", "", "", text("lblHeatL")});
        lines.Row(17, {"Total Exchange", "", "", text("lblHeatT")});
    } else {
        const std::string header = si ? "Heat Transfer, Watts" : "Heat Transfer, BTU/h";
        if (excel)
            lines.Row(14, {"", "", header});
        else
            lines.Row(14, {"", "", "", "", header});
        lines.Row(15, {"Sensible Exchange", "", text("lblHeatS")});
        lines.Row(16, {"Latent Exchange", "", text("lblHeatL")});
        lines.Row(17, {"Total Exchange", "", text("lblHeatT")});
    }
    lines.Blank(18);

    // The four air streams.
    if (excel)
        lines.Row(19, {"", "", "Off-Coil", "Supply", "Return/Mixed", "Exhaust"});
    else
        lines.Row(19, {"", "", "", "Outdr", "Supply", "Return/Mixed", "Exhaust"});
    std::string volumeCaption;
    if (si)
        volumeCaption = dc.AcfmUnits ? "Volume, acmh" : "Volume, scmh";
    else
        volumeCaption = dc.AcfmUnits ? "Volume, acfm" : "Volume, scfm";
    lines.Row(20,
              {volumeCaption, "", text("lblVoa"), text("txtVsa"), text("txtVra"), text("lblVea")});
    lines.Row(21, {si ? "DB Temp,°C" : "DB Temp,°F", "", reformat("txtToa"), text("lblTsa"),
                   text("txtTra"), text("lblTea")});
    if (si) {
        lines.Row(22, {"g/kg", "", text("txtWoa"), text("lblWsa"), text("txtWra"), text("lblWea")});
    } else {
        lines.Row(22, {excel ? "Moisture, gr/lb" : "gr/lb", "", format(dc.Woa, "##0.0"),
                       format(dc.Wsa, "##0.0"), format(dc.Wra, "##0.0"), format(dc.Wea, "##0.0")});
    }
    return lines.Joined();
}

std::optional<std::string> CopyResults(RotorForm& form, int ExcelFormat) {
    if (!form.RunCalc())
        return std::nullopt;
    return BuildCopyText(form.Case(), form.Port(), ExcelFormat);
}

} // namespace kestrix::report
