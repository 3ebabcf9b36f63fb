// The calculation driver: reads the seven fields into the design case, runs
// the input checks, the exchange model and the frost check, then the display.
#include "MoistAir.h"
#include "RotorForm.h"
#include "Texts.h"
#include "Units.h"

#include <common/NumberText.h>

#include <cmath>
#include <optional>

namespace kestrix {

namespace {

// The elevations the pressure formula is used for: from below the lowest dry
// land to above the highest towns. Far outside, the quadratic gives pressures
// that are zero, negative or below the vapour pressure of the inputs.
constexpr double kElevMinFt = -2000, kElevMaxFt = 20000;
constexpr double kElevMinM = -610, kElevMaxM = 6096;
constexpr double kAbsoluteZeroF = -459.67;

} // namespace

bool RotorForm::ReadVolumeField(const char* control, const VolumeShown& shown, const char* what,
                                double& scfm) {
    const std::string text = port_.Text(control);
    // The field holds actual volumes while they are in force, and also right
    // after Air Flow Units switched back to standard, until the display
    // rewrites it.
    const bool actualShown = case_.AcfmUnits || shown.actualRatio != 1.0;
    if (actualShown && !shown.text.empty() && text == shown.text) {
        // Unchanged since the display wrote it: the standard volume it showed,
        // so repeated runs in actual units do not drift the volume.
        scfm = shown.standard;
        return true;
    }
    const std::optional<double> n =
        common::ParseNumberText(text, port_.DecimalPoint(), port_.GroupSeparator());
    double v = n ? (case_.SIUnits ? M3hToScfm(*n) : *n) : 0;
    // A volume typed in actual units goes back to standard at the state the
    // display showed it for.
    if (n && actualShown)
        v /= shown.actualRatio;
    if (!n || !std::isfinite(v) || !(v > 0)) {
        FieldError = std::string(what) + text::kMustBePositive;
        port_.MessageBox(text::kWarningTitle, FieldError, MessageIcon::Exclamation);
        return false;
    }
    scfm = v;
    return true;
}

bool RotorForm::ReadFields() {
    FieldError.clear();
    const bool si = case_.SIUnits;
    const auto warn = [this](const char* what, const char* problem) {
        FieldError = std::string(what) + problem;
        port_.MessageBox(text::kWarningTitle, FieldError, MessageIcon::Exclamation);
        return false;
    };
    const auto number = [this](const char* control) {
        return common::ParseNumberText(port_.Text(control), port_.DecimalPoint(),
                                       port_.GroupSeparator());
    };
    const auto temperature = [&](const char* control, const char* what, double& out) {
        const std::optional<double> n = number(control);
        if (!n)
            return warn(what, text::kMustBeNumber);
        out = si ? CelsiusToF(*n) : *n;
        if (!std::isfinite(out))
            return warn(what, text::kMustBeNumber);
        if (!(out > kAbsoluteZeroF))
            return warn(what, text::kMustBeAboveAbsoluteZero);
        return true;
    };
    const auto moisture = [&](const char* control, const char* what, double& out) {
        const std::optional<double> n = number(control);
        if (!n)
            return warn(what, text::kMustBeNumber);
        out = si ? GkgToGrlb(*n) : *n;
        if (!std::isfinite(out))
            return warn(what, text::kMustBeNumber);
        if (out < 0)
            return warn(what, text::kMustNotBeNegative);
        return true;
    };

    // Read in the window's order; nothing is stored unless all seven are good.
    double toa = 0, woa = 0, wra = 0, tra = 0, vsa = 0, vra = 0, elev = 0;
    if (!temperature("txtToa", "Off-coil air temperature", toa) ||
        !moisture("txtWoa", "Off-coil air moisture", woa) ||
        !moisture("txtWra", "Return/mixed air moisture", wra) ||
        !temperature("txtTra", "Return/mixed air temperature", tra) ||
        !ReadVolumeField("txtVsa", supplyShown_, "Supply air volume", vsa) ||
        !ReadVolumeField("txtVra", returnShown_, "Return/mixed air volume", vra))
        return false;

    const std::string elevText = port_.Text("txtElev");
    const std::optional<double> e = elevText == "0" ? std::optional<double>(0) : number("txtElev");
    const bool inRange =
        e && (si ? (*e >= kElevMinM && *e <= kElevMaxM) : (*e >= kElevMinFt && *e <= kElevMaxFt));
    if (!inRange) {
        FieldError = si ? text::kElevationRangeSi : text::kElevationRangeIp;
        port_.MessageBox(text::kWarningTitle, FieldError, MessageIcon::Exclamation);
        return false;
    }
    elev = si && elevText != "0" ? MetresToFt(*e) : *e;

    DesignCase& c = case_;
    c.Toa = toa;
    c.Woa = woa;
    c.Wra = wra;
    c.Tra = tra;
    c.Vsa = vsa;
    c.Vra = vra;
    c.Elev = elev;
    // The pressure of the elevation just read, so a run after an elevation
    // change already works at the new site.
    c.Patm = PressureAtElevation(c.Elev);
    return true;
}

bool RotorForm::ResultsFinite() const {
    const DesignCase& c = case_;
    const double values[] = {
        c.Toa,   c.Woa,   c.Tra,    c.Wra,       c.Vsa,      c.Vra,   c.Elev, c.Patm,
        c.RHoa,  c.RHra,  c.WsatOa, c.WsatRa,    c.VolRatio, c.Voa,   c.Vea,  c.Area,
        c.EffS,  c.dRH,   c.dTs,    c.dWs,       c.dTe,      c.dWe,   c.Hads, c.Hoa,
        c.Hsa,   c.Hra,   c.Hea,    c.MassS,     c.MassR,    c.MassE, c.Tsa,  c.Wsa,
        c.Tea,   c.Wea,   c.VelS,   c.VelE,      c.VelSa,    c.VelEa, c.DPs,  c.DPr,
        c.HeatS, c.HeatT, c.HeatL,  c.MoistRate, c.CondS,    c.CondE, c.WBoa, c.WBsa,
        c.WBra,  c.WBea,  c.MinVol, c.MaxVol,    c.AreaLo,   c.AreaHi};
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

bool RotorForm::RunCalc() {
    // Kept to put back should the inputs carry the model outside finite numbers.
    const DesignCase before = case_;
    if (!ReadFields()) {
        ChangeStatus();
        return false;
    }
    const VolumeShown supplyBefore = supplyShown_, returnBefore = returnShown_;
    satSearchWarned_ = false;
    CheckLimits();
    RotorModel();
    FrostCheck();
    if (!ResultsFinite()) {
        case_ = before;
        supplyShown_ = supplyBefore;
        returnShown_ = returnBefore;
        port_.MessageBox(text::kWarningTitle, text::kRunIncomplete, MessageIcon::Exclamation);
        ChangeStatus();
        return false;
    }
    ShowResults();
    return true;
}

void RotorForm::ShowResults() {
    DesignCase& c = case_;
    c.VelChanged = c.VelS != c.VelPrev;
    c.VelPrev = c.VelS;
    UnitLabels();
    if (c.SIUnits) {
        FillTextSI();
        FillCaptionsSI();
    } else {
        FillText();
        FillCaptions();
    }
    VelCheckMsg();
}

} // namespace kestrix
