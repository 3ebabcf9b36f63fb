// Moist-air property functions of the engine, inch-pound units throughout:
// T dry bulb °F, W moisture gr/lb, pw vapour pressure psia, P barometric
// pressure psia, h enthalpy Btu/lb of dry air.
#pragma once

#include <optional>

namespace kestrix {

// Saturation pressure of water vapour, psia (Hyland–Wexler, ASHRAE IP form).
// Ice below 31 °F, water from 33 °F, the mean of both in between.
double SatPressure(double T);
// Humidity ratio from vapour pressure, lb/lb.
double HumRatio(double pw, double P);
// Moisture of saturated air, gr/lb.
double SatMoist(double T, double P);
// Relative humidity, %.
double RelHumidity(double P, double W, double T);
// Enthalpy, Btu/lb of dry air.
double Enthalpy(double T, double W);
// Dry bulb of air with moisture W and enthalpy h, °F.
double TempFromEnthalpy(double W, double h);
// Moisture of air at dry bulb T with enthalpy h, gr/lb.
double MoistFromEnthalpy(double T, double h);
// Specific volume, ft³/lb of dry air.
double SpecVolume(double P, double W, double T);
// Dew point, °F (ASHRAE IP regressions); W <= 0 is taken as 0.0001 gr/lb.
double DewPoint(double W, double P);

// Iteration limit of SatMoistAtEnthalpy: the most a 16-bit counter can count.
inline constexpr int kSatMoistMaxIterations = 32767;

// Moisture of saturated air having enthalpy h, gr/lb, by a secant iteration on
// the saturation temperature. Returns nothing when the iteration does not meet
// its 0.01 °F test within kSatMoistMaxIterations passes or leaves the finite
// numbers; iterations (when given) receives the number of passes made.
std::optional<double> SatMoistAtEnthalpy(double h, double P, int* iterations = nullptr);

} // namespace kestrix
