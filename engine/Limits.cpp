// Input limits and corrections: the model's range of validity, applied to the
// freshly read inputs with a warning for each correction.
#include "MoistAir.h"
#include "RotorForm.h"
#include "Texts.h"

#include <common/NumberPattern.h>

namespace kestrix {

void RotorForm::CheckLimits() {
    DesignCase& c = case_;
    const auto warn = [this](const std::string& message) {
        port_.MessageBox(text::kWarningTitle, message, MessageIcon::Exclamation);
    };
    // Each check works on the values the earlier ones left; equal to a limit passes.
    if (c.Tra > 100) {
        warn(text::kTraMax);
        c.Tra = 100;
    }
    if (c.Wra > 140) {
        warn(text::kWraMax);
        c.Wra = 140;
    }
    if (c.Toa > 60) {
        warn(text::kToaMax);
        c.Toa = 60;
    }
    if (c.Toa < 40) {
        warn(text::kToaMin);
        c.Toa = 40;
    }
    if (c.Toa > c.Tra) {
        warn(text::kToaAboveTra);
        c.Toa = c.Tra;
    }
    CheckSaturation();

    c.RHra = RelHumidity(c.Patm, c.Wra, c.Tra);
    c.RHoa = RelHumidity(c.Patm, c.Woa, c.Toa);
    if (c.RHoa < c.RHra) {
        const std::string dp = port_.DecimalPoint();
        const std::string gs = port_.GroupSeparator();
        warn(std::string(text::kRhOrder1) + common::FormatPattern(c.RHoa, "##0.0", dp, gs) +
             text::kRhOrder2 + common::FormatPattern(c.RHra, "##0.0", dp, gs) + text::kRhOrder3);
        c.RHoa = c.RHra;
        const double pw = SatPressure(c.Toa) * c.RHoa / 100;
        c.Woa = HumRatio(pw, c.Patm) * 7000;
    }
}

void RotorForm::CheckSaturation() {
    DesignCase& c = case_;
    c.WsatOa = SatMoist(c.Toa, c.Patm);
    c.WsatRa = SatMoist(c.Tra, c.Patm);
    if (c.Woa > c.WsatOa) {
        port_.MessageBox(text::kWarningTitle, text::kOaSupersaturated, MessageIcon::Exclamation);
        c.Woa = c.WsatOa - 0.01;
    }
    if (c.Wra > c.WsatRa) {
        port_.MessageBox(text::kWarningTitle, text::kRaSupersaturated, MessageIcon::Exclamation);
        c.Wra = c.WsatRa - 0.01;
    }
}

} // namespace kestrix
