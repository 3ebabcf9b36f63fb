// The psychrometric routines of Hygrovex (inch-pound units throughout) and the
// calculation step the output window runs: entry conversion, pressure,
// PsyCalc and the two air volumes.
//
// Every formula's domain is checked explicitly: a logarithm of a non-positive
// number, a zero divisor, an overflow or a temperature below absolute zero
// raises PsyArithmeticError, which PsyCalc reports as the range message.
#include "modPsych.h"

#include "RangeMessage.h"

#include <cfloat>
#include <cmath>

namespace hygrovex {

PsyStateRecord PsyState;

namespace {

// Absolute temperature offset, °F to °R.
constexpr double kRankineOffset = 459.67;
// Ratio of the molar masses of water vapour and dry air.
constexpr double kMolarRatio = 0.62198;
// Specific volume of standard air, ft³/lb.
constexpr double kStdSpecVol = 13.333;
// Metric volume factor, m³/h per cfm as the component uses it.
constexpr double kVolumeFactor = 1.699014;

double Finite(double value) {
    if (!std::isfinite(value))
        throw PsyArithmeticError("result is not a finite number");
    return value;
}

double Divide(double numerator, double denominator) {
    if (denominator == 0.0)
        throw PsyArithmeticError("division by zero");
    return Finite(numerator / denominator);
}

double Log(double x) {
    if (!(x > 0.0))
        throw PsyArithmeticError("logarithm of a non-positive number");
    return std::log(x);
}

double Exp(double x) {
    return Finite(std::exp(Finite(x)));
}

// Humidity ratio (lb/lb) from the water vapour pressure pw at pressure p, psia.
double HumRatioFromVapPressure(double pw, double p) {
    return Divide(kMolarRatio * pw, p - pw);
}

// Water vapour pressure (psia) of humidity ratio w at pressure p, psia.
double VapPressureFromHumRatio(double w, double p) {
    return Divide(p * w, kMolarRatio + w);
}

// The wet-bulb relation in double precision: humidity ratio (lb/lb) of air at
// dry bulb t with wet bulb tStar (°F) at pressure p (psia). The same
// liquid-water form serves below freezing.
double WFromWetBulbDouble(double t, double tStar, double p) {
    const double pwsStar = PsySatPressure(tStar);
    const double wsStar = HumRatioFromVapPressure(pwsStar, p);
    return Divide((1093.0 - 0.556 * tStar) * wsStar - 0.24 * (t - tStar),
                  1093.0 + 0.444 * t - tStar);
}

} // namespace

double RoundToSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX)
        throw PsyArithmeticError("overflow of a single-precision value");
    return static_cast<double>(static_cast<float>(value));
}

double PsyPressure(double z) {
    return RoundToSingle(14.696 - 0.000529560941478 * z + 1.0592442992e-10 * z * z);
}

double PsySatPressure(double t) {
    const double tr = Finite(t + kRankineOffset);
    if (!(tr > 0.0))
        throw PsyArithmeticError("temperature at or below absolute zero");
    const double lnTr = Log(tr);
    // Hyland–Wexler over liquid water (ASHRAE Fundamentals, inch-pound form).
    const double pwsWater =
        Exp(-10440.397 / tr - 11.29465 - 0.027022355 * tr + 1.289036e-5 * tr * tr -
            2.4780681e-9 * tr * tr * tr + 6.5459673 * lnTr);
    // Hyland–Wexler over ice.
    const double pwsIce =
        Exp(-10214.165 / tr - 4.8932428 - 0.0053765794 * tr + 1.9202377e-7 * tr * tr +
            3.5575832e-10 * tr * tr * tr - 9.0344688e-14 * tr * tr * tr * tr + 4.1635019 * lnTr);
    if (tr == 491.67)
        return (pwsWater + pwsIce) / 2.0;
    return tr > 491.67 ? pwsWater : pwsIce;
}

double PsyWFromWetBulb(double t, double tStar, double p) {
    return RoundToSingle(WFromWetBulbDouble(t, tStar, p));
}

double PsyDewPoint(double w, double p) {
    const double pw = VapPressureFromHumRatio(w, p);
    const double alpha = Log(pw);
    const double td1 = Finite(100.45 + 33.193 * alpha + 2.319 * alpha * alpha +
                              0.17074 * alpha * alpha * alpha + 1.2063 * std::pow(pw, 0.1984));
    const double td2 = Finite(90.12 + 26.142 * alpha + 0.8927 * alpha * alpha);
    // Each later rule overrides an earlier one.
    double td = 0.0;
    if (td1 >= 33.0)
        td = td1;
    if (td1 < 33.0 && td2 > 31.0)
        td = (td1 + td2) / 2.0;
    if (td2 <= 31.0)
        td = td2;
    return td;
}

double PsyEnthalpy(double t, double w) {
    return Finite(0.24 * t + w * (1061.0 + 0.444 * t));
}

double PsyWetBulb(double t, double w, double p, int* passes) {
    const double h = PsyEnthalpy(t, w);
    // Starting value: a fit of the saturation temperature against enthalpy.
    double tStar =
        Finite(3.85 * h - 4.494 - 0.0734 * h * h + 8.75e-4 * h * h * h - 4.549e-6 * h * h * h * h);
    for (int pass = 1; pass <= kWetBulbMaxPasses; ++pass) {
        if (passes)
            *passes = pass;
        // The humidity-ratio errors are single-precision values.
        const double e0 = RoundToSingle(w - PsyWFromWetBulb(t, tStar, p));
        if (e0 == 0.0)
            return tStar; // the estimate already gives the humidity ratio exactly
        const double tNext = Finite(tStar + 1e-5 * tStar);
        const double e1 = RoundToSingle(w - PsyWFromWetBulb(t, tNext, p));
        const double slope = RoundToSingle(RoundToSingle(e1 / e0) - 1.0);
        tStar = Finite(tNext - Divide(1e-5 * tNext, slope));
        if (std::fabs(w - PsyWFromWetBulb(t, tStar, p)) <= 1e-5)
            return tStar;
    }
    throw PsyArithmeticError("wet-bulb iteration does not converge");
}

bool PsyCalc() {
    // Work on a copy so that a failure leaves the humidity fields as they were.
    PsyStateRecord s = PsyState;
    try {
        const double p = s.Pressure;
        if (!std::isfinite(s.DryBulb) || !std::isfinite(s.Moisture) || !(p > 0.0) ||
            !std::isfinite(p))
            throw PsyArithmeticError("input is not a finite number");

        switch (s.MoistUnits) {
        case 1: // dew point, °F
            if (s.Moisture > s.DryBulb)
                throw PsyArithmeticError("dew point above the dry bulb");
            s.DewPoint = s.Moisture;
            s.HumRatio = HumRatioFromVapPressure(PsySatPressure(s.Moisture), p);
            break;
        case 2: // wet bulb, °F
            if (s.Moisture > s.DryBulb)
                throw PsyArithmeticError("wet bulb above the dry bulb");
            s.WetBulb = s.Moisture;
            s.HumRatio = WFromWetBulbDouble(s.DryBulb, s.Moisture, p);
            break;
        case 3: // grains per pound
            if (s.Moisture > 500.0)
                throw PsyArithmeticError("more than 500 gr/lb");
            s.HumRatio = s.Moisture / 7000.0;
            break;
        case 4: // relative humidity, %
            if (s.Moisture > 100.0)
                throw PsyArithmeticError("relative humidity above 100 %");
            s.HumRatio = HumRatioFromVapPressure(s.Moisture * PsySatPressure(s.DryBulb) / 100.0, p);
            break;
        case 5: // lb/lb
            if (s.Moisture > 0.071)
                throw PsyArithmeticError("humidity ratio above 0.071 lb/lb");
            s.HumRatio = s.Moisture;
            break;
        default:
            throw PsyArithmeticError("unknown moisture form");
        }

        s.VapPressure = VapPressureFromHumRatio(s.HumRatio, p);
        s.SatPressureDB = PsySatPressure(s.DryBulb);
        s.RelHum = Divide(s.VapPressure, s.SatPressureDB);
        if (s.MoistUnits > 1)
            s.DewPoint = PsyDewPoint(s.HumRatio, p);
        if (s.MoistUnits != 2)
            s.WetBulb = PsyWetBulb(s.DryBulb, s.HumRatio, p);
        s.Enthalpy = PsyEnthalpy(s.DryBulb, s.HumRatio);
        s.SpecVol =
            Divide(53.352 * (s.DryBulb + kRankineOffset) * (1.0 + 1.6078 * s.HumRatio), 144.0 * p);
    } catch (const PsyArithmeticError&) {
        ShowRangeMessage();
        return false;
    }
    PsyState.HumRatio = s.HumRatio;
    PsyState.VapPressure = s.VapPressure;
    PsyState.SatPressureDB = s.SatPressureDB;
    PsyState.RelHum = s.RelHum;
    PsyState.DewPoint = s.DewPoint;
    PsyState.WetBulb = s.WetBulb;
    PsyState.Enthalpy = s.Enthalpy;
    PsyState.SpecVol = s.SpecVol;
    return true;
}

bool CalcRecord() {
    PsyStateRecord& s = PsyState;
    if (s.Metric == 1) {
        s.DryBulb = 1.8 * s.DryBulb + 32.0;
        s.Volume = kVolumeFactor * s.Volume;
        if (s.MoistUnits == 1 || s.MoistUnits == 2)
            s.Moisture = 1.8 * s.Moisture + 32.0;
        else if (s.MoistUnits == 3)
            s.Moisture = 7.0 * s.Moisture;
    }

    bool ok = true;
    try {
        const double p = PsyPressure(s.Elevation);
        if (!(p > 0.0))
            throw PsyArithmeticError("no positive pressure at this elevation");
        s.Pressure = p;
    } catch (const PsyArithmeticError&) {
        ShowRangeMessage();
        ok = false;
    }
    if (ok)
        ok = PsyCalc();

    // The volumes follow the new volume input through the last good specific
    // volume; before any good calculation that is 0, and an actual volume then
    // has no known standard volume (0).
    double stdVolume = 0.0;
    double actVolume = 0.0;
    if (s.VolumeIsActual == 0) {
        stdVolume = s.Volume;
        actVolume = stdVolume * s.SpecVol / kStdSpecVol;
    } else {
        actVolume = s.Volume;
        stdVolume = s.SpecVol != 0.0 ? kStdSpecVol * s.Volume / s.SpecVol : 0.0;
    }
    if (std::isfinite(stdVolume) && std::isfinite(actVolume)) {
        s.StdVolume = stdVolume;
        s.ActVolume = actVolume;
    } else if (ok) {
        ShowRangeMessage();
        ok = false;
    }
    return ok;
}

} // namespace hygrovex
