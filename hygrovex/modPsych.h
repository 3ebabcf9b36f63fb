// The psychrometric routines of Hygrovex and the one calculation record they
// work on. All arithmetic is inch-pound: °F, lb of water per lb of dry air,
// psia, Btu/lb, ft³/lb. Metric inputs are converted on entry (CalcRecord) and
// metric outputs on exit (the class's Calculate).
#pragma once

#include <cstdint>
#include <stdexcept>

namespace hygrovex {

// The calculation record: one per loaded library, shared by every object.
// Fields a calculation does not reach keep their previous values.
struct PsyStateRecord {
    double Moisture = 0;             // moisture input; inch-pound form of its code after entry
    double DryBulb = 0;              // dry bulb, °F after entry
    double Volume = 0;               // air volume as passed (× 1.699014 on entry in metric)
    std::int16_t MoistUnits = 0;     // 1 dew point, 2 wet bulb, 3 grains, 4 RH %, 5 lb/lb
    double Elevation = 0;            // site elevation, ft in both unit systems
    std::int16_t Metric = 0;         // 1: inputs and outputs metric
    std::int16_t VolumeIsActual = 0; // 1: Volume is an actual volume
    double Pressure = 0;             // barometric pressure, psia (single-precision value)
    double HumRatio = 0;             // humidity ratio, lb/lb
    double VapPressure = 0;          // water vapour partial pressure, psia
    double SatPressureDB = 0;        // saturation pressure at the dry bulb, psia
    double RelHum = 0;               // relative humidity, fraction
    double DewPoint = 0;             // dew point, °F
    double WetBulb = 0;              // wet bulb, °F
    double Enthalpy = 0;             // enthalpy, Btu/lb dry air
    double SpecVol = 0;              // specific volume, ft³/lb dry air
    double StdVolume = 0;            // air volume at standard density
    double ActVolume = 0;            // air volume at actual density
};

extern PsyStateRecord PsyState;

// Raised by the routines below when a value leaves the domain of its formula
// (logarithm of a non-positive number, zero divisor, overflow, a temperature
// below absolute zero, an iteration that does not settle). PsyCalc turns it
// into the range message.
class PsyArithmeticError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Rounds to the nearest single-precision value, as the routines store their
// single-precision results; a value beyond the single range is an overflow.
double RoundToSingle(double value);

// Passes the wet-bulb iteration may take before the state counts as out of range.
inline constexpr int kWetBulbMaxPasses = 100;

// Barometric pressure at elevation z (ft), psia, rounded to single precision.
double PsyPressure(double z);
// Saturation pressure of water vapour at t (°F), psia: Hyland–Wexler, over
// liquid water above 32 °F, over ice below, the mean of both at exactly 32 °F.
double PsySatPressure(double t);
// Humidity ratio (lb/lb) of air at dry bulb t (°F) with wet bulb tStar (°F)
// at pressure p (psia), rounded to single precision.
double PsyWFromWetBulb(double t, double tStar, double p);
// Dew point (°F) of humidity ratio w (lb/lb) at pressure p (psia).
double PsyDewPoint(double w, double p);
// Wet bulb (°F) of air at dry bulb t (°F), humidity ratio w (lb/lb) and
// pressure p (psia), by a secant iteration on the humidity ratio. passes, when
// given, receives the number of iteration passes.
double PsyWetBulb(double t, double w, double p, int* passes = nullptr);
// Enthalpy (Btu/lb dry air) at dry bulb t (°F) and humidity ratio w (lb/lb).
double PsyEnthalpy(double t, double w);

// Fills the humidity-dependent fields of PsyState from its dry bulb, moisture
// and pressure. On a range error or an arithmetic error it shows the range
// message, leaves those fields as they were and returns false.
bool PsyCalc();

// One calculation on PsyState as the output window's Calc runs it, without the
// window refresh: entry conversion, pressure, PsyCalc, the two air volumes.
// Returns false when the range message was shown (at most once per call).
bool CalcRecord();

} // namespace hygrovex
