// Units, pressure at elevation and the engine's moist-air property functions.
#include "MoistAir.h"
#include "Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kestrix {
namespace {

TEST(Units, SiEntriesBecomeInchPound) {
    EXPECT_DOUBLE_EQ(CelsiusToF(20), 68);
    EXPECT_DOUBLE_EQ(GkgToGrlb(10), 70);
    EXPECT_DOUBLE_EQ(M3hToScfm(1699), 1000);
    // An elevation entered in metres and shown again in metres is unchanged.
    EXPECT_NEAR(FtToMetres(MetresToFt(305)), 305, 1e-12);
}

TEST(Units, PressureAtElevation) {
    EXPECT_DOUBLE_EQ(PressureAtElevation(0), 14.696);
    EXPECT_NEAR(PressureAtElevation(5000), 12.0508, 1e-4);
    // Not clipped: far above any site the quadratic still answers.
    EXPECT_LT(PressureAtElevation(40000), PressureAtElevation(30000));
}

TEST(Units, ActualVolumeScalesBySpecificVolume) {
    EXPECT_DOUBLE_EQ(ActualVolume(1000, kStdSpecVol), 1000);
    EXPECT_NEAR(StandardVolume(ActualVolume(600, 14.2), 14.2), 600, 1e-9);
    EXPECT_DOUBLE_EQ(DryAirMassFlow(600), 2700);
}

struct SatPressureRow {
    const char* name;
    double T;
    double expected;
    double tol;
};

class SatPressureTable : public ::testing::TestWithParam<SatPressureRow> {};

TEST_P(SatPressureTable, Value) {
    const auto& row = GetParam();
    EXPECT_NEAR(SatPressure(row.T), row.expected, row.tol) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Branches, SatPressureTable,
    ::testing::Values(SatPressureRow{"at 31 F the ice value alone", 31, 0.0847, 2e-4},
                      SatPressureRow{"at 33 F the water value alone", 33, 0.0923, 2e-4},
                      SatPressureRow{"at 32 F about 0.0886", 32, 0.0886, 2e-4},
                      SatPressureRow{"at 70 F", 70, 0.36334, 3e-4}));

TEST(SatPressure, BlendsIceAndWaterBetween31And33) {
    // Inside the band the result is the mean of the two forms at the same T:
    // it lies strictly between the ice value just below and the water value
    // just above, and the water form alone holds from 33 °F on.
    const double below = SatPressure(31.0);
    const double mid = SatPressure(32.0);
    const double above = SatPressure(33.0);
    EXPECT_GT(mid, below);
    EXPECT_LT(mid, above);
    EXPECT_NEAR(SatPressure(33.0 + 1e-9), above, 1e-9);
}

TEST(MoistAir, HandbookValues) {
    EXPECT_NEAR(RelHumidity(14.696, 51.8, 50), 97.0, 0.1);
    EXPECT_NEAR(RelHumidity(14.696, 65, 75), 50.3, 0.1);
    EXPECT_NEAR(SatMoist(50, 14.696), 53.4, 0.05);
    EXPECT_NEAR(Enthalpy(75, 65), 28.16, 0.01);
    EXPECT_NEAR(TempFromEnthalpy(65, Enthalpy(75, 65)), 75, 1e-9);
    EXPECT_NEAR(MoistFromEnthalpy(75, Enthalpy(75, 65)), 65, 1e-9);
    EXPECT_NEAR(SpecVolume(14.696, 0, 60), 13.10, 0.01);
    EXPECT_NEAR(SpecVolume(14.696, 0, 70), 13.35, 0.01);
    EXPECT_NEAR(HumRatio(SatPressure(50), 14.696) * 7000, SatMoist(50, 14.696), 1e-9);
}

TEST(DewPoint, InvertsSaturationAndNeverFails) {
    // The dew point of saturated air is its dry bulb, within the regression's fit.
    for (double T : {35.0, 50.0, 65.0, 80.0})
        EXPECT_NEAR(DewPoint(SatMoist(T, 14.696), 14.696), T, 0.5) << T;
    // No moisture at all: the dew point of 0.0001 gr/lb, very low but finite.
    const double dry = DewPoint(0, 14.696);
    EXPECT_TRUE(std::isfinite(dry));
    EXPECT_LT(dry, -100);
    EXPECT_DOUBLE_EQ(DewPoint(-5, 14.696), dry);
}

struct SatMoistRow {
    const char* name;
    double h;
    double expected; // gr/lb
};

class SatMoistAtEnthalpyTable : public ::testing::TestWithParam<SatMoistRow> {};

TEST_P(SatMoistAtEnthalpyTable, ConvergesOnTheSaturationCurve) {
    const auto& row = GetParam();
    int iterations = -1;
    const auto W = SatMoistAtEnthalpy(row.h, 14.696, &iterations);
    ASSERT_TRUE(W.has_value()) << row.name;
    EXPECT_NEAR(*W, row.expected, 0.15) << row.name;
    EXPECT_LT(iterations, 20) << row.name;
    // The answer is saturated air of that enthalpy.
    const double T = TempFromEnthalpy(*W, row.h);
    EXPECT_NEAR(*W, SatMoist(T, 14.696), 0.5) << row.name;
}

INSTANTIATE_TEST_SUITE_P(Handbook, SatMoistAtEnthalpyTable,
                         ::testing::Values(SatMoistRow{"h 20 near 49.6 F", 20, 52.4},
                                           SatMoistRow{"h 30 near 65.0 F", 30, 92.4}));

TEST(SatMoistAtEnthalpy, ReportsNonConvergenceInsteadOfGarbage) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double h : {nan, inf, -inf})
        EXPECT_FALSE(SatMoistAtEnthalpy(h, 14.696).has_value()) << h;
    EXPECT_FALSE(SatMoistAtEnthalpy(20, -1).has_value());
    EXPECT_FALSE(SatMoistAtEnthalpy(20, nan).has_value());
}

} // namespace
} // namespace kestrix
