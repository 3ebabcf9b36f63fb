// The psychrometric routines on their own: pressure, saturation pressure at
// and around freezing, the wet-bulb iteration and its bound, and the domain
// checks that stand in for arithmetic traps.
#include "modPsych.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace hygrovex;

namespace {

TEST(PsyPressure, IsTheSingleRoundedBarometricPressure) {
    EXPECT_EQ(PsyPressure(0), static_cast<double>(14.696f));
    EXPECT_EQ(PsyPressure(5000), static_cast<double>(static_cast<float>(
                                     14.696 - 0.000529560941478 * 5000 + 1.0592442992e-10 * 25e6)));
    EXPECT_NEAR(PsyPressure(5000), 12.0508, 5e-5);
    EXPECT_EQ(PsyPressure(5000), static_cast<double>(static_cast<float>(PsyPressure(5000))));
}

TEST(PsyPressure, OverflowIsAnArithmeticError) {
    EXPECT_THROW(PsyPressure(1e30), PsyArithmeticError);
    EXPECT_THROW(PsyPressure(std::numeric_limits<double>::infinity()), PsyArithmeticError);
    EXPECT_THROW(PsyPressure(std::numeric_limits<double>::quiet_NaN()), PsyArithmeticError);
}

TEST(PsySatPressure, SwitchesFromIceToWaterAtExactly32F) {
    const double at32 = PsySatPressure(32);
    EXPECT_NEAR(at32, 0.088645, 5e-7) << "the mean of the water and ice values";
    // The switch is judged on the absolute temperature, so a few neighbouring
    // doubles of 32 °F also count as 32 °F; 1e-9 °F off is clearly beside it.
    const double justAbove = PsySatPressure(32 + 1e-9);
    const double justBelow = PsySatPressure(32 - 1e-9);
    // The water and ice values differ at 32 °F; the mean lies between them.
    EXPECT_GT(std::fabs(justAbove - justBelow), 1e-6);
    EXPECT_NEAR(at32, (justAbove + justBelow) / 2, 1e-9);
    // 31.9 °F already uses the ice form: below the water value there.
    EXPECT_NEAR(PsySatPressure(31.9), 0.0882356, 5e-7);
    EXPECT_LT(PsySatPressure(31.9), at32);
}

TEST(PsySatPressure, BelowAbsoluteZeroIsAnArithmeticError) {
    EXPECT_THROW(PsySatPressure(-459.67), PsyArithmeticError);
    EXPECT_THROW(PsySatPressure(-500), PsyArithmeticError);
    EXPECT_THROW(PsySatPressure(std::numeric_limits<double>::quiet_NaN()), PsyArithmeticError);
    EXPECT_THROW(PsySatPressure(std::numeric_limits<double>::infinity()), PsyArithmeticError);
    EXPECT_NO_THROW(PsySatPressure(-459));
}

TEST(PsyWFromWetBulb, IsRoundedToSinglePrecision) {
    const double w = PsyWFromWetBulb(95, 75, 14.696);
    EXPECT_EQ(w, static_cast<double>(static_cast<float>(w)));
    EXPECT_NEAR(w, 0.014066, 5e-7);
}

TEST(PsyDewPoint, NeedsAPositiveVapourPressure) {
    EXPECT_NEAR(PsyDewPoint(0.01, 14.696), 57.34, 0.005);
    EXPECT_THROW(PsyDewPoint(0, 14.696), PsyArithmeticError) << "logarithm of zero";
    EXPECT_THROW(PsyDewPoint(-0.001, 14.696), PsyArithmeticError);
    EXPECT_THROW(PsyDewPoint(-0.62198, 14.696), PsyArithmeticError) << "zero divisor";
}

TEST(PsyDewPoint, BelowFreezingUsesTheIceFit) {
    // td2 <= 31 overrides td1; between them the mean of both.
    const double w = 0.0005;
    const double pw = 14.696 * w / (0.62198 + w);
    const double a = std::log(pw);
    EXPECT_DOUBLE_EQ(PsyDewPoint(w, 14.696), 90.12 + 26.142 * a + 0.8927 * a * a);
}

TEST(PsyWetBulb, ConvergesInOnePassForATypicalState) {
    int passes = 0;
    const double wb = PsyWetBulb(95, 70.0 / 7000, 14.696, &passes);
    EXPECT_NEAR(wb, 70.04, 0.005);
    EXPECT_EQ(passes, 1);
}

TEST(PsyWetBulb, StopsAfterABoundedNumberOfPasses) {
    // Near 500 gr/lb at 112 °F the secant step keeps overshooting; without a
    // bound the iteration would never end.
    int passes = 0;
    EXPECT_THROW(PsyWetBulb(112, 499.5 / 7000, 14.696, &passes), PsyArithmeticError);
    EXPECT_EQ(passes, kWetBulbMaxPasses);
}

TEST(PsyWetBulb, FarOffStartingValueIsAnArithmeticError) {
    // 150 °F saturated: the starting fit lands below absolute zero.
    const double p = 14.696;
    const double pws = PsySatPressure(150);
    const double w = 0.62198 * pws / (p - pws);
    EXPECT_THROW(PsyWetBulb(150, w, p), PsyArithmeticError);
}

TEST(PsyEnthalpy, IsTheMoistAirEnthalpy) {
    EXPECT_DOUBLE_EQ(PsyEnthalpy(95, 0.01), 0.24 * 95 + 0.01 * (1061 + 0.444 * 95));
    EXPECT_THROW(PsyEnthalpy(1e300, 1e300), PsyArithmeticError);
}

TEST(RoundToSingle, RefusesWhatASingleCannotHold) {
    EXPECT_EQ(RoundToSingle(0.1), static_cast<double>(0.1f));
    EXPECT_THROW(RoundToSingle(1e39), PsyArithmeticError);
    EXPECT_THROW(RoundToSingle(-1e39), PsyArithmeticError);
    EXPECT_THROW(RoundToSingle(std::numeric_limits<double>::quiet_NaN()), PsyArithmeticError);
}

} // namespace
