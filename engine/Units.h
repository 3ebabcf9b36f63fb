// The inch-pound unit system of the engine and the factors by which SI entries
// become inch-pound values and inch-pound results are shown in SI.
#pragma once

namespace kestrix {

// Specific volume of standard air (0.075 lb/ft³), ft³/lb; the program uses
// 13.333 rather than 1/0.075.
inline constexpr double kStdSpecVol = 13.333;
// Density of standard air, lb/ft³.
inline constexpr double kStdDensity = 0.075;
inline constexpr double kGrainsPerLb = 7000.0;

// SI entry to inch-pound value.
inline double CelsiusToF(double c) {
    return c * 1.8 + 32;
}
inline double GkgToGrlb(double gkg) {
    return gkg * 7.0;
}
inline double M3hToScfm(double m3h) {
    return m3h / 1.699;
}
inline double MetresToFt(double m) {
    return m / 0.3048;
}

// Inch-pound value to SI display.
inline double FToCelsius(double f) {
    return (f - 32) / 1.8;
}
inline double GrlbToGkg(double grlb) {
    return grlb / 7.0;
}
inline double ScfmToM3h(double scfm) {
    return scfm * 1.699;
}
inline double FtToMetres(double ft) {
    return ft * 0.3048;
}
inline double FpmToMs(double fpm) {
    return fpm * 0.3048 / 60;
}
inline double InWcToPa(double inwc) {
    return inwc * 249;
}
inline double BtuhToW(double btuh) {
    return btuh * 0.293;
}
inline double LbhToKgh(double lbh) {
    return lbh * 0.4536;
}

// Barometric pressure at a site elevation Z (ft), psia. The quadratic holds for
// any elevation the user enters; it is not clipped.
inline double PressureAtElevation(double z) {
    return 14.696 - 0.000529560941478 * z + 1.0592442992e-10 * z * z;
}

// Actual volume of a standard volume at a stream whose specific volume is
// specVol (ft³/lb of dry air). The same rule scales a standard-air face velocity.
inline double ActualVolume(double standard, double specVol) {
    return standard * specVol / kStdSpecVol;
}
// Inverse of ActualVolume.
inline double StandardVolume(double actual, double specVol) {
    return actual * kStdSpecVol / specVol;
}

// Dry-air mass flow of a standard volume, lb/h from scfm.
inline double DryAirMassFlow(double scfm) {
    return scfm * 60 * kStdDensity;
}

} // namespace kestrix
