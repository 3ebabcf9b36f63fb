// The display procedures of the main window: unit captions, input fields,
// result labels and the face-velocity warning.
#include "Display.h"

#include "MoistAir.h"
#include "RotorForm.h"
#include "Texts.h"
#include "Units.h"

#include <common/NumberPattern.h>
#include <common/NumberText.h>

#include <cmath>

namespace kestrix {

std::string FormatNumber(double value, const char* pattern, const Separators& separators) {
    return common::FormatPattern(value, pattern, separators.decimalPoint,
                                 separators.groupSeparator);
}

double ActualVolumeRatio(const DesignCase& c, double T, double W) {
    const double ratio = SpecVolume(c.Patm, W, T) / kStdSpecVol;
    return std::isfinite(ratio) && ratio > 0 ? ratio : 1.0;
}

double ShownVolume(const DesignCase& c, double scfm, double T, double W, bool si) {
    double v = c.AcfmUnits ? scfm * ActualVolumeRatio(c, T, W) : scfm;
    return si ? ScfmToM3h(v) : v;
}

std::vector<ControlText> UnitCaptionTexts(const DesignCase& c) {
    const bool si = c.SIUnits;
    const char* volume =
        si ? (c.AcfmUnits ? text::kAcmh : text::kScmh) : (c.AcfmUnits ? text::kAcfm : text::kScfm);
    std::vector<ControlText> out;
    out.reserve(24);
    for (int i = 0; i <= 3; ++i) {
        const std::string index = "(" + std::to_string(i) + ")";
        out.push_back({"lblscfm" + index, volume});
        out.push_back({"lblFDB" + index, si ? text::kCdb : text::kFdb});
        out.push_back({"lblGrlb" + index, si ? text::kGkg : text::kGrlb});
    }
    for (int i = 0; i <= 1; ++i) {
        const std::string index = "(" + std::to_string(i) + ")";
        out.push_back({"lblInWC" + index, si ? text::kPa : text::kInWc});
        out.push_back({"lblFPM" + index, si ? text::kAms : text::kAfpm});
    }
    out.push_back({"lblElev", si ? text::kM : text::kFt});
    out.push_back({"lbllbh", si ? text::kKgH2oH : text::kLbH2oH});
    out.push_back({"optUnits(0)", si ? text::kCWetBulb : text::kFWetBulb});
    out.push_back({"optUnits(1)", si ? text::kCDewPoint : text::kFDewPoint});
    out.push_back({"optUnits(3)", si ? text::kKgKg : text::kLbLb});
    out.push_back({"optUnits(4)", si ? text::kGkg : text::kGrlb});
    out.push_back({"lblTii(0)", si ? text::kDegC : text::kDegF});
    return out;
}

std::vector<ControlText> InputFieldTexts(const DesignCase& c, const Separators& s, bool si) {
    std::vector<ControlText> out;
    out.reserve(8);
    out.push_back({"txtTitle", c.Title});
    if (!si) {
        out.push_back({"txtWoa", FormatNumber(c.Woa, "##0.0", s)});
        out.push_back({"txtToa", FormatNumber(c.Toa, "##0.0", s)});
        out.push_back({"txtWra", FormatNumber(c.Wra, "##0.0", s)});
        out.push_back({"txtTra", FormatNumber(c.Tra, "##0.0", s)});
        out.push_back(
            {"txtVsa", FormatNumber(ShownVolume(c, c.Vsa, c.Tsa, c.Wsa, si), "###,###", s)});
        out.push_back(
            {"txtVra", FormatNumber(ShownVolume(c, c.Vra, c.Tra, c.Wra, si), "###,###", s)});
        // Plain number text: "." and no grouping, whatever the locale.
        out.push_back({"txtElev", common::PlainNumberText(c.Elev)});
    } else {
        out.push_back({"txtWoa", FormatNumber(GrlbToGkg(c.Woa), "##0.0", s)});
        out.push_back({"txtToa", FormatNumber(FToCelsius(c.Toa), "##0.0", s)});
        out.push_back({"txtWra", FormatNumber(GrlbToGkg(c.Wra), "##0.0", s)});
        out.push_back({"txtTra", FormatNumber(FToCelsius(c.Tra), "##0.0", s)});
        out.push_back(
            {"txtVsa", FormatNumber(ShownVolume(c, c.Vsa, c.Tsa, c.Wsa, si), "###,##0", s)});
        out.push_back(
            {"txtVra", FormatNumber(ShownVolume(c, c.Vra, c.Tra, c.Wra, si), "###,##0", s)});
        out.push_back({"txtElev", FormatNumber(FtToMetres(c.Elev), "##,##0", s)});
    }
    return out;
}

std::vector<ControlText> ResultTexts(const DesignCase& c, const Separators& s, bool si) {
    std::vector<ControlText> out;
    out.reserve(16);
    out.push_back({"fmeHeat", si ? text::kHeatSi : text::kHeatIp});
    if (!si) {
        out.push_back({"lblVels", FormatNumber(c.VelSa, "####", s)});
        out.push_back({"lblVelE", FormatNumber(c.VelEa, "####", s)});
        out.push_back({"lblWea", FormatNumber(c.Wea, "###.0", s)});
    } else {
        out.push_back({"lblVels", FormatNumber(FpmToMs(c.VelSa), "0.00", s)});
        out.push_back({"lblVelE", FormatNumber(FpmToMs(c.VelEa), "0.00", s)});
        out.push_back({"lblWea", FormatNumber(GrlbToGkg(c.Wea), "###.0", s)});
    }
    out.push_back({"lblVea", FormatNumber(ShownVolume(c, c.Vea, c.Tea, c.Wea, si), "###,###", s)});
    out.push_back({"lblVoa", FormatNumber(ShownVolume(c, c.Voa, c.Toa, c.Woa, si), "###,###", s)});
    if (!si) {
        out.push_back({"lblTsa", FormatNumber(c.Tsa, "###.0", s)});
        out.push_back({"lblTea", FormatNumber(c.Tea, "###.0", s)});
        out.push_back({"lblWsa", FormatNumber(c.Wsa, "###.0", s)});
        out.push_back({"lbldWh", FormatNumber(c.MoistRate, "##0.0", s)});
        out.push_back({"lblDPs", FormatNumber(c.DPs, "0.#0", s)});
        out.push_back({"lblDPr", FormatNumber(c.DPr, "0.#0", s)});
        out.push_back({"lblHeatS", FormatNumber(c.HeatS, "#,###,###", s)});
        out.push_back({"lblHeatL", FormatNumber(c.HeatL, "#,###,###", s)});
        out.push_back({"lblHeatT", FormatNumber(c.HeatT, "#,###,###", s)});
    } else {
        out.push_back({"lblTsa", FormatNumber(FToCelsius(c.Tsa), "###.0", s)});
        out.push_back({"lblTea", FormatNumber(FToCelsius(c.Tea), "###.0", s)});
        out.push_back({"lblWsa", FormatNumber(GrlbToGkg(c.Wsa), "###.0", s)});
        out.push_back({"lbldWh", FormatNumber(LbhToKgh(c.MoistRate), "##0.0", s)});
        out.push_back({"lblDPs", FormatNumber(InWcToPa(c.DPs), "####", s)});
        out.push_back({"lblDPr", FormatNumber(InWcToPa(c.DPr), "####", s)});
        out.push_back({"lblHeatS", FormatNumber(BtuhToW(c.HeatS), "###,###,###", s)});
        out.push_back({"lblHeatL", FormatNumber(BtuhToW(c.HeatL), "###,###,###", s)});
        out.push_back({"lblHeatT", FormatNumber(BtuhToW(c.HeatT), "###,###,###", s)});
    }
    out.push_back({"sbrStatus.Panel3", c.ModelCaption});
    return out;
}

namespace {

DesignCase WithUnits(bool si, bool acfm) {
    DesignCase c;
    c.SIUnits = si;
    c.AcfmUnits = acfm;
    return c;
}

Separators PortSeparators(const FormPort& port) {
    return {port.DecimalPoint(), port.GroupSeparator()};
}

} // namespace

void RotorForm::UnitLabels() {
    // Four fixed sets of captions; built once, written at every display.
    static const std::vector<ControlText> sets[2][2] = {
        {UnitCaptionTexts(WithUnits(false, false)), UnitCaptionTexts(WithUnits(false, true))},
        {UnitCaptionTexts(WithUnits(true, false)), UnitCaptionTexts(WithUnits(true, true))}};
    for (const ControlText& t : sets[case_.SIUnits ? 1 : 0][case_.AcfmUnits ? 1 : 0])
        port_.SetText(t.control, t.text);
}

void RotorForm::WriteVolumeField(const char* control, VolumeShown& shown, double standard,
                                 double actualRatio) {
    shown.standard = standard;
    shown.actualRatio = actualRatio;
    shown.text = port_.Text(control);
}

void RotorForm::WriteInputFields(bool si) {
    for (const ControlText& t : InputFieldTexts(case_, PortSeparators(port_), si))
        port_.SetText(t.control, t.text);
    const DesignCase& c = case_;
    WriteVolumeField("txtVsa", supplyShown_, c.Vsa,
                     c.AcfmUnits ? ActualVolumeRatio(c, c.Tsa, c.Wsa) : 1.0);
    WriteVolumeField("txtVra", returnShown_, c.Vra,
                     c.AcfmUnits ? ActualVolumeRatio(c, c.Tra, c.Wra) : 1.0);
}

void RotorForm::FillText() {
    WriteInputFields(false);
}

void RotorForm::FillTextSI() {
    WriteInputFields(true);
}

void RotorForm::WriteResults(bool si) {
    for (const ControlText& t : ResultTexts(case_, PortSeparators(port_), si))
        port_.SetText(t.control, t.text);
    port_.SetVisible("lblFrost", case_.Frost == 1);
    // The shown results are current again.
    port_.SetEnabled("CmdCalc", false);
    port_.SetBackColor("CmdCalc", FormPort::kButtonFace);
}

void RotorForm::FillCaptions() {
    WriteResults(false);
}

void RotorForm::FillCaptionsSI() {
    WriteResults(true);
}

void RotorForm::VelCheckMsg() {
    if (case_.VelChanged && case_.VelS > 800)
        port_.MessageBox(text::kWarningTitle, text::kExcessiveVelocity, MessageIcon::Exclamation);
    case_.VelChanged = false;
}

} // namespace kestrix
