// The clsHygrovex object: creation by class identifier, a new object's
// values, the calculated states of the inch-pound and metric forms, the
// limits and their range message, what an error leaves behind, and the
// volume rule for standard and actual volumes.
#include "PsychFixture.h"

#include "hygrovex/OutputText.h"
#include "modPsych.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace hygrovex;
using namespace hygrovex::testing;

namespace {

TEST(HygrovexCreateObject, AnswersOnlyToTheClassIdentifier) {
    ObjectPtr exact = NewObject();
    EXPECT_NE(exact, nullptr);
    ObjectPtr lower(HygrovexCreateObject("{475ecd59-1e8a-40c1-8365-5068282a74a0}"),
                    &HygrovexReleaseObject);
    EXPECT_NE(lower, nullptr) << "class identifiers are case-insensitive";
    EXPECT_EQ(HygrovexCreateObject(kInterfaceId), nullptr);
    EXPECT_EQ(HygrovexCreateObject("{475ECD59-1E8A-40C1-8365-5068282A74A}"), nullptr);
    EXPECT_EQ(HygrovexCreateObject(""), nullptr);
    EXPECT_EQ(HygrovexCreateObject(nullptr), nullptr);
    HygrovexReleaseObject(nullptr); // releasing nothing is harmless
}

TEST(ClsHygrovex, NewObjectHoldsZerosFalseAndEmptyTexts) {
    MessageRecorder messages;
    Calculate(*NewObject(), Inputs{}); // a previous calculation must not leak in
    ObjectPtr p = NewObject();
    for (double v : {p->MoistureI(), p->TemperatureI(), p->VolumeI(), p->ElevationI(), p->DBTempO(),
                     p->WBTempO(), p->DPTempO(), p->RHO(), p->HumidRatio1O(), p->HumidRatio2O(),
                     p->EnthalpyO(), p->SpecVolO(), p->AirVolStandO(), p->AirVolActO()})
        EXPECT_EQ(v, 0.0);
    EXPECT_EQ(p->MoistUnitsI(), 0);
    EXPECT_EQ(p->PosX(), 0);
    EXPECT_EQ(p->PosY(), 0);
    EXPECT_FALSE(p->StandardUnitsI());
    EXPECT_FALSE(p->SI());
    EXPECT_FALSE(p->SuperSatFlag());
    EXPECT_FALSE(p->LastCalculateFailed());
    for (const std::string& t : {p->DBTempUnits(), p->WBTempUnits(), p->DPTempUnits(),
                                 p->HumidRatio1Units(), p->HumidRatio2Units(), p->EnthalpyUnits(),
                                 p->SpecVolUnits(), p->AirVolStandUnits(), p->AirVolActUnits()})
        EXPECT_EQ(t, "");
}

TEST(ClsHygrovex, OutputPropertiesAreWritableAndSuperSatFlagIsOnlyStored) {
    ObjectPtr p = NewObject();
    p->RHO(12.5);
    p->AirVolActUnits("x");
    p->SuperSatFlag(true);
    EXPECT_EQ(p->RHO(), 12.5);
    EXPECT_EQ(p->AirVolActUnits(), "x");
    MessageRecorder messages;
    Calculate(*p, Inputs{});
    EXPECT_TRUE(p->SuperSatFlag()) << "Calculate neither sets nor reads it";
    EXPECT_NE(p->RHO(), 12.5);
    EXPECT_EQ(p->AirVolActUnits(), "cfm");
}

struct StateRow {
    const char* name;
    Inputs in;
    double wb, dp, rh, gr, w, h, sv; // expected outputs; NaN: not checked
    double tolerance;
};

void PrintTo(const StateRow& row, std::ostream* os) {
    *os << row.name;
}

class CalculatedStates : public ::testing::TestWithParam<StateRow> {};

TEST_P(CalculatedStates, MatchTheReferenceValues) {
    const StateRow& row = GetParam();
    MessageRecorder messages;
    ObjectPtr p = NewObject();
    Calculate(*p, row.in);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(p->LastCalculateFailed());
    const auto check = [&](const char* what, double got, double want) {
        if (!std::isnan(want)) {
            EXPECT_NEAR(got, want, row.tolerance) << what;
        }
    };
    check("wet bulb", p->WBTempO(), row.wb);
    check("dew point", p->DPTempO(), row.dp);
    check("relative humidity", p->RHO(), row.rh);
    check("humidity ratio 1", p->HumidRatio1O(), row.gr);
    check("humidity ratio 2", p->HumidRatio2O(), row.w);
    check("enthalpy", p->EnthalpyO(), row.h);
    check("specific volume", p->SpecVolO(), row.sv);
    EXPECT_EQ(p->DBTempO(), row.in.temperature) << "the dry bulb comes back in the caller's units";
}

constexpr double kAny = std::numeric_limits<double>::quiet_NaN();

const StateRow kStates[] = {
    {"wet_bulb_95_75", {95, kWetBulb, 75}, 75, 66.80, 39.82, 98.46, 0.014066, 38.32, 14.300, 0.005},
    {"grains_95_70", {95, kGrains, 70}, 70.04, 57.34, 28.49, 70, 0.01, kAny, kAny, 0.005},
    {"dew_point_equal_to_dry_bulb_is_saturated",
     {95, kDewPoint, 95},
     kAny,
     95,
     100,
     kAny,
     kAny,
     kAny,
     kAny,
     1e-6},
    {"wet_bulb_equal_to_dry_bulb_is_saturated",
     {95, kWetBulb, 95},
     95,
     kAny,
     100,
     kAny,
     kAny,
     kAny,
     kAny,
     0.005},
    {"grains_at_limit", {95, kGrains, 500}, kAny, kAny, kAny, 500, kAny, kAny, kAny, 1e-9},
    {"beyond_saturation_not_refused",
     {95, kGrains, 500},
     113.70,
     kAny,
     185.46,
     kAny,
     kAny,
     kAny,
     kAny,
     0.01},
    {"relative_humidity_at_limit",
     {95, kRelHum, 100},
     kAny,
     kAny,
     100,
     kAny,
     kAny,
     kAny,
     kAny,
     1e-9},
    {"lb_per_lb_at_limit", {95, kLbPerLb, 0.071}, kAny, kAny, kAny, 497, 0.071, kAny, kAny, 1e-9},
    {"relative_humidity_cold", {20, kRelHum, 50}, kAny, kAny, 50, kAny, kAny, kAny, kAny, 1e-9},
    {"metric_grains",
     {25, kGrains, 10, 0, 1000, true, true},
     kAny,
     kAny,
     kAny,
     10,
     0.01,
     kAny,
     kAny,
     1e-9},
    {"metric_wet_bulb_is_the_inch_pound_state",
     {35, kWetBulb, 23.9, 0, 1000, true, true},
     23.9,
     kAny,
     39.865,
     14.08,
     kAny,
     kAny,
     0.893,
     0.005},
};
INSTANTIATE_TEST_SUITE_P(Hygrovex, CalculatedStates, ::testing::ValuesIn(kStates),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ClsHygrovex, MetricStateIsTheConvertedInchPoundState) {
    MessageRecorder messages;
    ObjectPtr ip = NewObject();
    ObjectPtr si = NewObject();
    Calculate(*ip, {95, kWetBulb, 75.02});
    Calculate(*si, {35, kWetBulb, 23.9, 0, 1000, true, true});
    EXPECT_DOUBLE_EQ(si->RHO(), ip->RHO());
    EXPECT_DOUBLE_EQ(si->HumidRatio2O(), ip->HumidRatio2O());
    EXPECT_DOUBLE_EQ(si->HumidRatio1O(), ip->HumidRatio2O() * 1000);
    EXPECT_DOUBLE_EQ(si->DPTempO(), (ip->DPTempO() - 32) / 1.8);
    EXPECT_DOUBLE_EQ(si->EnthalpyO(), 2.33 * ip->EnthalpyO());
    EXPECT_DOUBLE_EQ(si->SpecVolO(), ip->SpecVolO() / 16.0185);
}

TEST(ClsHygrovex, UnitTextsFollowTheUnitSystem) {
    MessageRecorder messages;
    ObjectPtr p = NewObject();
    Calculate(*p, {95, kGrains, 70});
    EXPECT_EQ(p->DBTempUnits(), "°F");
    EXPECT_EQ(p->WBTempUnits(), "°F");
    EXPECT_EQ(p->DPTempUnits(), "°F");
    EXPECT_EQ(p->HumidRatio1Units(), "gr/lb");
    EXPECT_EQ(p->HumidRatio2Units(), "lb/lb");
    EXPECT_EQ(p->EnthalpyUnits(), "BTU/lb");
    EXPECT_EQ(p->SpecVolUnits(), "cu.ft/lb");
    EXPECT_EQ(p->AirVolStandUnits(), "scfm");
    EXPECT_EQ(p->AirVolActUnits(), "cfm");
    Calculate(*p, {25, kGrains, 10, 0, 1000, true, true});
    EXPECT_EQ(p->DBTempUnits(), "°C");
    EXPECT_EQ(p->WBTempUnits(), "°C");
    EXPECT_EQ(p->DPTempUnits(), "°C");
    EXPECT_EQ(p->HumidRatio1Units(), "g/kg");
    EXPECT_EQ(p->HumidRatio2Units(), "kg/kg");
    EXPECT_EQ(p->EnthalpyUnits(), "kJ/kg");
    EXPECT_EQ(p->SpecVolUnits(), "cu.m/kg");
    EXPECT_EQ(p->AirVolStandUnits(), "scmh");
    EXPECT_EQ(p->AirVolActUnits(), "cmh");
}

TEST(ClsHygrovex, StandardVolumeComesBackAsGivenInBothUnitSystems) {
    MessageRecorder messages;
    ObjectPtr p = NewObject();
    for (bool si : {false, true}) {
        for (double volume : {1000.0, 1234.5, 0.0, -50.0}) {
            Calculate(*p, {si ? 25.0 : 77.0, kGrains, 10, 0, volume, true, si});
            EXPECT_NEAR(p->AirVolStandO(), volume, 1e-9 * std::fabs(volume)) << si;
            // actual = standard × specific volume ÷ 13.333 (in ft³/lb)
            const double specVolFt3 = si ? p->SpecVolO() * 16.0185 : p->SpecVolO();
            EXPECT_NEAR(p->AirVolActO(), volume * specVolFt3 / 13.333, 1e-9 * std::fabs(volume));
        }
    }
}

TEST(ClsHygrovex, FalseStandardFlagTakesTheVolumeAsActual) {
    MessageRecorder messages;
    ObjectPtr p = NewObject();
    Calculate(*p, {95, kWetBulb, 75, 0, 1072.5, false});
    EXPECT_EQ(p->AirVolActO(), 1072.5);
    EXPECT_NEAR(p->AirVolStandO(), 13.333 * 1072.5 / p->SpecVolO(), 1e-9);
    EXPECT_NEAR(p->AirVolStandO(), 1000, 0.05);
    Calculate(*p, {35, kWetBulb, 23.9, 0, 1700, false, true});
    EXPECT_DOUBLE_EQ(p->AirVolActO(), 1700) << "metric actual volume comes back in m³/h";
    EXPECT_NEAR(p->AirVolStandO(), 1700 * 13.333 / (p->SpecVolO() * 16.0185), 1e-6);
}

// Inputs that must end in the range message.
struct RefusedRow {
    const char* name;
    Inputs in;
};

void PrintTo(const RefusedRow& row, std::ostream* os) {
    *os << row.name;
}

class RefusedInputs : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(RefusedInputs, ShowTheRangeMessageOnce) {
    MessageRecorder messages;
    ObjectPtr p = NewObject();
    Calculate(*p, GetParam().in);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Error");
    EXPECT_EQ(messages.shown[0].text, kRangeText);
    EXPECT_EQ(messages.shown[0].helpFile, "psych.hlp");
    EXPECT_EQ(messages.shown[0].helpTopic, 600);
    EXPECT_TRUE(p->LastCalculateFailed());
}

const RefusedRow kRefused[] = {
    {"dew_point_above_dry_bulb", {95, kDewPoint, 95.1}},
    {"wet_bulb_above_dry_bulb", {95, kWetBulb, 95.1}},
    {"grains_above_500", {95, kGrains, 500.1}},
    {"relative_humidity_above_100", {95, kRelHum, 100.1}},
    {"lb_per_lb_above_0_071", {95, kLbPerLb, 0.0711}},
    {"zero_grains_has_no_dew_point", {95, kGrains, 0}},
    {"zero_relative_humidity", {95, kRelHum, 0}},
    {"negative_grains", {95, kGrains, -10}},
    {"hot_saturated_air_wet_bulb_start_far_off", {150, kRelHum, 100}},
    {"wet_bulb_iteration_does_not_settle", {112, kGrains, 499.5}},
    {"moisture_code_zero", {95, 0, 70}},
    {"moisture_code_six", {95, 6, 70}},
    {"moisture_code_negative", {95, -1, 70}},
    {"metric_grains_above_limit", {25, kGrains, 71.5, 0, 1000, true, true}},
    {"elevation_without_positive_pressure", {95, kGrains, 70, 40000}},
    {"elevation_overflows", {95, kGrains, 70, 1e200}},
    {"nan_dry_bulb", {std::nan(""), kGrains, 70}},
    {"infinite_moisture", {95, kLbPerLb, -HUGE_VAL}},
    {"infinite_volume", {95, kGrains, 70, 0, HUGE_VAL}},
    {"dry_bulb_below_absolute_zero", {-500, kLbPerLb, 0.001}},
};
INSTANTIATE_TEST_SUITE_P(Hygrovex, RefusedInputs, ::testing::ValuesIn(kRefused),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ClsHygrovex, ErrorKeepsTheHumidityFieldsWhileDryBulbAndVolumesFollow) {
    MessageRecorder messages;
    ObjectPtr p = NewObject();
    Calculate(*p, {95, kWetBulb, 75, 0, 1000});
    ASSERT_FALSE(p->LastCalculateFailed());
    const double wb = p->WBTempO(), dp = p->DPTempO(), rh = p->RHO(), w = p->HumidRatio2O(),
                 h = p->EnthalpyO(), sv = p->SpecVolO();

    // The dew-point branch sets the dew point before the wet-bulb iteration
    // fails; nothing of it may stay behind.
    Calculate(*p, {150, kDewPoint, 149, 0, 2000});
    ASSERT_TRUE(p->LastCalculateFailed());
    Calculate(*p, {80, kGrains, 600, 0, 2000});
    ASSERT_TRUE(p->LastCalculateFailed());
    EXPECT_EQ(p->WBTempO(), wb);
    EXPECT_EQ(p->DPTempO(), dp);
    EXPECT_EQ(p->RHO(), rh);
    EXPECT_EQ(p->HumidRatio2O(), w);
    EXPECT_EQ(p->EnthalpyO(), h);
    EXPECT_EQ(p->SpecVolO(), sv);
    EXPECT_EQ(p->DBTempO(), 80);
    EXPECT_EQ(p->AirVolStandO(), 2000);
    EXPECT_DOUBLE_EQ(p->AirVolActO(), 2000 * sv / 13.333)
        << "through the last good specific volume";
    EXPECT_EQ(PsyState.Moisture, 600) << "the record holds the new moisture";

    const auto rows = LastOutputRows();
    EXPECT_EQ(rows[0].value, "80.0°F") << "the window shows the new dry bulb";
    EXPECT_EQ(rows[1].value, "75.0°F") << "and the humidity rows of the last good state";

    Calculate(*p, {95, kGrains, 70});
    EXPECT_FALSE(p->LastCalculateFailed()) << "the next good calculation clears the failure";
}

TEST(ClsHygrovex, UnknownMoistureCodeDoesNotReuseThePreviousHumidity) {
    MessageRecorder messages;
    ObjectPtr p = NewObject();
    Calculate(*p, {95, kGrains, 70});
    const double rh = p->RHO();
    Calculate(*p, {60, 7, 70});
    EXPECT_TRUE(p->LastCalculateFailed());
    EXPECT_EQ(p->RHO(), rh) << "no relative humidity of 70 gr/lb at 60 °F was computed";
}

TEST(ClsHygrovex, TwoObjectsShareOneCalculationRecord) {
    MessageRecorder messages;
    ObjectPtr first = NewObject();
    ObjectPtr second = NewObject();
    Calculate(*first, {95, kWetBulb, 75});
    Calculate(*second, {70, kGrains, 50});
    EXPECT_EQ(LastOutputRows()[0].value, "70.0°F");
    EXPECT_EQ(first->DBTempO(), 95) << "an object's own outputs stay until its next Calculate";
    EXPECT_EQ(PsyState.DryBulb, 70);
}

TEST(ClsHygrovex, ErrorsWithoutAHandlerGoToStandardError) {
    ObjectPtr p = NewObject();
    ::testing::internal::CaptureStderr();
    Calculate(*p, {95, kGrains, 600});
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(kRangeText), std::string::npos) << err;
    EXPECT_TRUE(p->LastCalculateFailed());
}

} // namespace
