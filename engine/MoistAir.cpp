// Moist-air property functions of the engine (inch-pound units).
#include "MoistAir.h"

#include <cmath>

namespace kestrix {

namespace {

inline constexpr double kRankineOffset = 459.67;

// Hyland–Wexler saturation pressure over ice, psia; T in °F.
double SatPressureIce(double T) {
    const double tr = T + kRankineOffset;
    constexpr double C1 = -10214.165, C2 = -4.8932428, C3 = -0.0053765794, C4 = 1.9202377e-07,
                     C5 = 3.5575832e-10, C6 = -9.0344688e-14, C7 = 4.1635019;
    return std::exp(C1 / tr + C2 + C3 * tr + C4 * tr * tr + C5 * tr * tr * tr +
                    C6 * tr * tr * tr * tr + C7 * std::log(tr));
}

// Hyland–Wexler saturation pressure over liquid water, psia; T in °F.
double SatPressureWater(double T) {
    const double tr = T + kRankineOffset;
    constexpr double C8 = -10440.397, C9 = -11.29465, C10 = -0.027022355, C11 = 1.289036e-05,
                     C12 = -2.4780681e-09, C13 = 6.5459673;
    return std::exp(C8 / tr + C9 + C10 * tr + C11 * tr * tr + C12 * tr * tr * tr +
                    C13 * std::log(tr));
}

} // namespace

double SatPressure(double T) {
    const double tr = T + kRankineOffset;
    if (tr >= 492.67)
        return SatPressureWater(T);
    if (tr <= 490.67)
        return SatPressureIce(T);
    return (SatPressureIce(T) + SatPressureWater(T)) / 2;
}

double HumRatio(double pw, double P) {
    return 0.62198 * pw / (P - pw);
}

double SatMoist(double T, double P) {
    const double pws = SatPressure(T);
    return pws * 4353.86 / (P - pws);
}

double RelHumidity(double P, double W, double T) {
    const double w = W / 7000;
    const double pw = P * w / (0.62198 + w);
    return pw / SatPressure(T) * 100;
}

double Enthalpy(double T, double W) {
    return 0.24 * T + (1061 + 0.444 * T) * W / 7000;
}

double TempFromEnthalpy(double W, double h) {
    const double w = W / 7000;
    return (h - 1061 * w) / (0.24 + 0.444 * w);
}

double MoistFromEnthalpy(double T, double h) {
    return 7000 * (h - 0.24 * T) / (1061 + 0.444 * T);
}

double SpecVolume(double P, double W, double T) {
    const double w = W / 7000;
    return 53.352 * (T + kRankineOffset) * (1 + 1.6078 * w) / P / 144;
}

double DewPoint(double W, double P) {
    if (W <= 0)
        W = 0.0001;
    const double w = W / 7000;
    const double pw = w * P / (0.62198 + w);
    const double a = std::log(pw);
    const double td1 =
        100.45 + 33.193 * a + 2.319 * a * a + 0.17074 * a * a * a + 1.2063 * std::pow(pw, 0.1984);
    const double td2 = 90.12 + 26.142 * a + 0.8927 * a * a;
    if (td1 >= 33 || td2 <= 31) {
        double result = td1;
        if (td1 >= 33)
            result = td1;
        if (td2 <= 31)
            result = td2; // below freezing wins when both hold
        return result;
    }
    return (td1 + td2) / 2;
}

std::optional<double> SatMoistAtEnthalpy(double h, double P, int* iterations) {
    double T = -4.494;
    int count = 0;
    const auto done = [&](std::optional<double> result) {
        if (iterations)
            *iterations = count;
        return result;
    };
    for (;;) {
        double W1 = MoistFromEnthalpy(T, h);
        if (W1 <= 0)
            W1 = 0.0001;
        const double e1 = T - DewPoint(W1, P);
        T = T + T * 1e-5;
        const double W2 = MoistFromEnthalpy(T, h);
        const double dew2 = DewPoint(W2, P);
        const double e2 = T - dew2;
        T = T - (T * 1e-5) / (e2 / e1 - 1);
        if (!std::isfinite(T))
            return done(std::nullopt);
        if (std::fabs(T - dew2) <= 0.01)
            break;
        if (count >= kSatMoistMaxIterations)
            return done(std::nullopt);
        ++count;
    }
    const double result = MoistFromEnthalpy(T, h);
    if (!std::isfinite(result))
        return done(std::nullopt);
    return done(result);
}

} // namespace kestrix
