// The moisture and heat exchange model of the desiccant rotor: empirical
// regressions for the sensible and moisture exchange, the enthalpy rule, the
// exhaust balance, condensation, heats, face velocities, pressure drops and the
// wet bulbs, and the frost check that follows it.
#include "MoistAir.h"
#include "RotorForm.h"
#include "Texts.h"
#include "Units.h"

#include <hygrovex/clsHygrovex.h>

#include <common/NumberPattern.h>

#include <cmath>

namespace kestrix {

namespace {

// A moisture difference below this (gr/lb) is a rounding residue, not a
// difference: the regression gives exactly zero for equal humidities only in
// exact arithmetic.
constexpr double kMoistureResidue = 1e-9;
constexpr double kCondensateShown = 0.05; // lb/h

// Pressure drop of the media, in. w.c., at face velocity v (fpm). Only the two
// depths the correlations were fitted for are known.
bool PressureDrop(int depthMm, double v, double& drop) {
    if (depthMm == 200) {
        drop = 0.001240023 * v + 7.28e-07 * v * v;
        return true;
    }
    if (depthMm == 100) {
        drop = 0.000620011 * v + 3.64e-07 * v * v;
        return true;
    }
    return false;
}

} // namespace

double RotorForm::WetBulb(double T, double W) {
    hygrovex::_clsHygrovex& h = component_;
    h.SI(false);
    h.MoistUnitsI(hygrovex::kGrains);
    h.MoistureI(W);
    h.TemperatureI(T);
    h.StandardUnitsI(true);
    h.ElevationI(case_.Elev);
    h.Calculate();
    return h.WBTempO();
}

bool RotorForm::SatMoistAtEnthalpyOrWarn(double h, double& ws) {
    const std::optional<double> found = SatMoistAtEnthalpy(h, case_.Patm);
    if (found) {
        ws = *found;
        return true;
    }
    if (!satSearchWarned_) {
        port_.MessageBox(text::kWarningTitle, text::kSaturationNotFound, MessageIcon::Exclamation);
        satSearchWarned_ = true;
    }
    return false;
}

void RotorForm::RotorModel() {
    DesignCase& c = case_;
    c.VolRatio = c.Vra / c.Vsa;
    c.Voa = c.Vsa;
    c.Vea = c.Vra;
    c.VelMin = 400;
    c.VelMax = 800;
    c.ListBusy = false;

    // May run a complete nested model run (a no-match fallback); what follows
    // reads the design case as the selection left it.
    SelectRotor();

    c.VelS = c.Vsa / c.Area / 0.5;
    c.VelE = c.Vea / c.Area / 0.5;
    c.RHra = RelHumidity(c.Patm, c.Wra, c.Tra);

    // Sensible exchange regression.
    c.EffS = 0.5951496413 + 0.013699421 * c.Toa - 0.00020378 * c.VelS - 0.009965174 * c.Tra -
             0.005847259 * c.RHra + 0.253001338 * c.VolRatio;
    c.dTs = (c.Tra - c.Toa) * c.EffS;
    c.dTs = c.dTs * 0.9;

    c.RHoa = RelHumidity(c.Patm, c.Woa, c.Toa);
    c.RHra = RelHumidity(c.Patm, c.Wra, c.Tra);
    c.dRH = (c.RHoa - c.RHra) / 100;

    // Moisture exchange regression on the RH difference.
    const double x = c.dRH;
    c.dWs = 24.04805342 * x * x - 15.82908333 * x + 0.366480118 * x * c.Toa -
            0.003645369 * x * c.VelS - 0.009878794 * x * c.Tra + 9.007667532 * x * c.VolRatio;
    c.dWs = c.dWs * 1.05;
    if (c.Depth == 100) {
        c.dWs = c.dWs * 0.85;
        c.dTs = c.dTs * 1.1;
    }
    if (std::fabs(c.dWs) < kMoistureResidue)
        c.dWs = 0.0001;

    // Heat released per pound of water moved, floored at 1080 Btu/lb.
    c.Hads = c.dTs / c.dWs / 0.625 * 1060;
    if (c.Hads < 1080)
        c.Hads = 1080;
    c.dTs = c.Hads / 1060 * 0.625 * c.dWs;

    c.Wsa = c.Woa - c.dWs;
    c.Tsa = c.Toa + c.dTs;

    // The supply enthalpy cannot fall below the off-coil enthalpy.
    c.Hsa = Enthalpy(c.Tsa, c.Wsa);
    c.Hoa = Enthalpy(c.Toa, c.Woa);
    if (c.Hsa < c.Hoa) {
        c.Hsa = c.Hoa;
        c.Tsa = TempFromEnthalpy(c.Wsa, c.Hsa);
    }

    // Exhaust side from the balance, scaled by the volume ratio.
    c.dTs = c.Toa - c.Tsa;
    c.Voa = c.Vsa;
    c.dTe = c.dTs / c.VolRatio;
    c.dWe = c.dWs / c.VolRatio;
    c.Tea = c.Tra + c.dTe;
    c.Wea = c.Wra + c.dWe;
    c.Vea = c.Vra;
    c.Hra = Enthalpy(c.Tra, c.Wra);
    c.Hea = Enthalpy(c.Tea, c.Wea);

    CheckSaturation();

    c.MassS = DryAirMassFlow(c.Vsa);
    c.MassR = DryAirMassFlow(c.Vra);
    c.MassE = DryAirMassFlow(c.Vea);

    Condensation();

    if (c.CondS < kCondensateShown)
        c.HeatS = (c.Toa - c.Tsa) * 0.24 * c.MassS;
    else
        c.HeatS = (c.Hoa - Enthalpy(c.Tsa, c.Woa)) * c.MassS;
    c.HeatT = (c.Hoa - c.Hsa) * c.MassS;
    c.HeatL = c.HeatT - c.HeatS;

    c.PrevModel = c.ModelName;
    c.ModelCaption = std::string(text::kModelPrefix) + c.ModelName;
    if (c.CondS >= kCondensateShown)
        c.ModelCaption = text::kParametersExceeded;

    // Face velocities at the streams' mean actual states.
    const double vE = SpecVolume(c.Patm, (c.Wea + c.Wra) / 2, (c.Tea + c.Tra) / 2);
    c.VelEa = ((c.Vea + c.Vra) / 2) / (c.Area / 2) * vE / kStdSpecVol;
    const double vS = SpecVolume(c.Patm, (c.Wsa + c.Woa) / 2, (c.Tsa + c.Toa) / 2);
    c.VelSa = ((c.Voa + c.Vsa) / 2) / (c.Area / 2) * vS / kStdSpecVol;

    // Depths without a correlation keep the previous drops.
    double drop = 0;
    if (PressureDrop(c.Depth, c.VelSa, drop))
        c.DPs = drop;
    if (PressureDrop(c.Depth, c.VelEa, drop))
        c.DPr = drop;

    c.WBoa = WetBulb(c.Toa, c.Woa);
    c.WBsa = WetBulb(c.Tsa, c.Wsa);
    c.WBra = WetBulb(c.Tra, c.Wra);
    c.WBea = WetBulb(c.Tea, c.Wea);
}

void RotorForm::Condensation() {
    DesignCase& c = case_;
    c.CondS = 0;
    c.CondE = 0;

    // A state beyond saturation goes back to saturation along constant enthalpy.
    double ws = 0;
    if (SatMoistAtEnthalpyOrWarn(c.Hea, ws) && c.Wea > ws) {
        c.Tea = TempFromEnthalpy(ws, c.Hea);
        c.CondE = (c.Wea - ws) / 7000 * c.MassE;
        c.Wea = ws;
    } else {
        c.CondE = 0;
    }
    if (SatMoistAtEnthalpyOrWarn(c.Hsa, ws) && c.Wsa > ws) {
        c.Tsa = TempFromEnthalpy(ws, c.Hsa);
        // Counted with the return/mixed mass flow, as the model has always done.
        c.CondS = (c.Wsa - ws) / 7000 * c.MassR;
        c.Wsa = ws;
    } else {
        c.CondS = 0;
    }
    c.MoistRate = (c.Woa - c.Wsa) / 7000 * c.MassS;

    port_.SetVisible("lblWsaCondensed", false);
    if (c.CondE >= kCondensateShown) {
        // In lb/h in both unit systems.
        port_.SetText(
            "lblWeaCondensed",
            common::FormatPattern(c.CondE, "##0.0", port_.DecimalPoint(), port_.GroupSeparator()) +
                text::kLbPerHourSuffix);
        port_.SetVisible("lblWeaCondensed", true);
        port_.SetVisible("lblCondensate", true);
    } else {
        port_.SetVisible("lblWeaCondensed", false);
        port_.SetVisible("lblCondensate", false);
    }
}

void RotorForm::FrostCheck() {
    DesignCase& c = case_;
    if (c.Tea <= 32 && c.CondE >= kCondensateShown) {
        c.Frost = 1;
        port_.SetVisible("lblWeaCondensed", false);
        port_.SetVisible("lblCondensate", false);
        if (c.FrostMsgDue) {
            port_.MessageBox(text::kWarningTitle, text::kIcing, MessageIcon::Exclamation);
            c.FrostMsgDue = false;
        }
    } else {
        c.Frost = 0;
    }
}

} // namespace kestrix
