// The air-state popup: which texts and volume feed the component for each
// stream, where the output window opens, and when it does not open.
#include "CalculatorTestSupport.h"

#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace kestrix::testing {
namespace {

using AirStatePopupTest = CalculatorFixture;

struct StreamRow {
    const char* name;
    int index;
    const char* moistureControl;
    const char* temperatureControl;
    double DesignCase::*volume;
    std::int16_t x; // with the main window at the screen's top-left corner
    std::int16_t y;
};

class AirStatePopupStreamTest : public CalculatorFixture,
                                public ::testing::WithParamInterface<StreamRow> {};

TEST_P(AirStatePopupStreamTest, InputsFromTheWindowAndPositionBesideTheFrame) {
    const StreamRow& row = GetParam();
    Start();
    ASSERT_TRUE(calc->LoadAirState(row.index, 0, 0));
    const auto shown = [this](const char* control) {
        return *common::ParseNumberText(port.Text(control));
    };
    EXPECT_EQ(psych.MoistUnitsI(), hygrovex::kGrains);
    EXPECT_FALSE(psych.SI());
    EXPECT_TRUE(psych.StandardUnitsI());
    EXPECT_DOUBLE_EQ(psych.ElevationI(), form.Case().Elev);
    EXPECT_DOUBLE_EQ(psych.MoistureI(), shown(row.moistureControl));
    EXPECT_DOUBLE_EQ(psych.TemperatureI(), shown(row.temperatureControl));
    EXPECT_DOUBLE_EQ(psych.VolumeI(), form.Case().*row.volume);
    EXPECT_EQ(psych.PosX(), row.x);
    EXPECT_EQ(psych.PosY(), row.y);
    // The component computed this stream's state.
    EXPECT_NEAR(psych.HumidRatio1O(), shown(row.moistureControl), 1e-6);
    EXPECT_NEAR(psych.AirVolStandO(), form.Case().*row.volume, 1e-6);
    EXPECT_TRUE(port.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Streams, AirStatePopupStreamTest,
    ::testing::Values(StreamRow{"OffCoil", 0, "txtWoa", "txtToa", &DesignCase::Voa, 100, 4000},
                      StreamRow{"Supply", 1, "lblWsa", "lblTsa", &DesignCase::Vsa, 5500, 4000},
                      StreamRow{"ReturnMixed", 2, "txtWra", "txtTra", &DesignCase::Vra, 5500, 1000},
                      StreamRow{"Exhaust", 3, "lblWea", "lblTea", &DesignCase::Vea, 100, 1000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AirStatePopupTest, PositionFollowsTheMainWindow) {
    Start();
    ASSERT_TRUE(calc->LoadAirState(2, 1000, 1000));
    EXPECT_EQ(psych.PosX(), 6500);
    EXPECT_EQ(psych.PosY(), 2000);
    // The window's corner is taken to whole twips before the offset is added.
    ASSERT_TRUE(calc->LoadAirState(0, 1234.4, 1234.6));
    EXPECT_EQ(psych.PosX(), 1334);
    EXPECT_EQ(psych.PosY(), 5235);
}

TEST_F(AirStatePopupTest, MetricVolumeIsPassedInCubicMetresPerHour) {
    Start(true);
    Type("txtVsa", "1699"); // 1000 scfm shown in m³/h
    form.CmdCalc_Click();
    ASSERT_NEAR(form.Case().Vsa, 1000, 1e-9);
    ASSERT_TRUE(calc->LoadAirState(1, 0, 0));
    EXPECT_TRUE(psych.SI());
    EXPECT_NEAR(psych.VolumeI(), 1699, 1e-9);
    EXPECT_NEAR(psych.AirVolStandO(), 1699, 1e-6);
    EXPECT_EQ(psych.AirVolStandUnits(), "scmh");
    EXPECT_EQ(psych.HumidRatio1Units(), "g/kg");
}

TEST_F(AirStatePopupTest, PressShowsAndReleaseHidesWithoutChangingTheWindow) {
    Start();
    const auto before = port.Texts();
    const double wsa = form.Case().Wsa;
    calc->imgDetails_MouseDown(1, 0, 0);
    calc->imgDetails_MouseUp(1);
    EXPECT_EQ(port.Texts(), before);
    EXPECT_DOUBLE_EQ(form.Case().Wsa, wsa);
    EXPECT_TRUE(port.Messages().empty());
}

// ---------------------------------------------------------------------------
// No popup

struct NoPopupRow {
    const char* name;
    int index;
    const char* control; // a stream text to overwrite first (null: none)
    const char* text;
};

class AirStatePopupRefusedTest : public CalculatorFixture,
                                 public ::testing::WithParamInterface<NoPopupRow> {};

TEST_P(AirStatePopupRefusedTest, LeavesTheComponentAlone) {
    const NoPopupRow& row = GetParam();
    Start();
    if (row.control)
        port.SetText(row.control, row.text);
    const double moistureBefore = psych.MoistureI();
    const std::int16_t xBefore = psych.PosX();
    EXPECT_FALSE(calc->LoadAirState(row.index, 0, 0));
    EXPECT_EQ(psych.MoistureI(), moistureBefore);
    EXPECT_EQ(psych.PosX(), xBefore);
    EXPECT_TRUE(port.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Refused, AirStatePopupRefusedTest,
                         ::testing::Values(NoPopupRow{"IndexBelowStreams", -1, nullptr, nullptr},
                                           NoPopupRow{"IndexAboveStreams", 4, nullptr, nullptr},
                                           NoPopupRow{"EmptySupplyMoisture", 1, "lblWsa", ""},
                                           NoPopupRow{"EmptyExhaustTemperature", 3, "lblTea", ""},
                                           NoPopupRow{"WordInOffCoilMoisture", 0, "txtWoa", "wet"},
                                           NoPopupRow{"DoubleSignInReturnTemperature", 2, "txtTra",
                                                      "--75"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AirStatePopupTest, EmptyResultLabelsBeforeTheFirstCalculation) {
    // Before the load step the result labels are empty.
    EXPECT_FALSE(calc->LoadAirState(1, 0, 0));
    EXPECT_FALSE(calc->LoadAirState(3, 0, 0));
}

TEST_F(AirStatePopupTest, RangeMessageGivesNoPopup) {
    Start();
    port.SetText("lblWsa", "600"); // more than 500 gr/lb
    EXPECT_FALSE(calc->LoadAirState(1, 0, 0));
    ASSERT_EQ(port.Messages().size(), 1u);
    EXPECT_EQ(port.Messages()[0].title, "Error");
}

// ---------------------------------------------------------------------------
// Position clamping

struct ClampRow {
    const char* name;
    double x;
    double y;
    bool withScreen;
    TwipsRect screen;
    std::int16_t expectX;
    std::int16_t expectY;
};

class PopupClampTest : public ::testing::TestWithParam<ClampRow> {};

TEST_P(PopupClampTest, KeepsThePopupPlaceable) {
    const ClampRow& row = GetParam();
    const PopupPosition pos = row.withScreen ? ClampPopupPosition(row.x, row.y, row.screen)
                                             : ClampPopupPosition(row.x, row.y);
    EXPECT_EQ(pos.x, row.expectX);
    EXPECT_EQ(pos.y, row.expectY);
}

// A 1920 × 1080 pixel screen is 28800 × 16200 twips.
constexpr TwipsRect kScreen{0, 0, 28800, 16200};
// A second screen to the left of the first.
constexpr TwipsRect kLeftScreen{-19200, 0, 19200, 16200};

INSTANTIATE_TEST_SUITE_P(
    Positions, PopupClampTest,
    ::testing::Values(
        ClampRow{"InsideAsGiven", 5500, 4000, false, {}, 5500, 4000},
        ClampRow{"BeyondSixteenBits", 40000, 33000, false, {}, 32767, 32767},
        ClampRow{"BelowSixteenBits", -40000, -33000, false, {}, -32768, -32768},
        ClampRow{"RoundsToWholeTwips", 99.5, 100.5, false, {}, 100, 100},
        ClampRow{"OnScreenUntouched", 5500, 4000, true, kScreen, 5500, 4000},
        ClampRow{"PastRightEdge", 28000, 4000, true, kScreen, 28800 - 2775, 4000},
        ClampRow{"PastBottomEdge", 5500, 15000, true, kScreen, 5500, 16200 - 2580},
        ClampRow{"LeftOfScreen", -500, -20, true, kScreen, 0, 0},
        ClampRow{"OnTheLeftScreen", -3000, 4000, true, kLeftScreen, -3000, 4000},
        ClampRow{"PastTheLeftScreensRightEdge", -100, 4000, true, kLeftScreen, -2775, 4000},
        ClampRow{"ScreenSmallerThanPopup", 500, 500, true, TwipsRect{0, 0, 2000, 2000}, 0, 0},
        ClampRow{"FarAwayScreenStillSixteenBits", 50000, 100, true,
                 TwipsRect{40000, 0, 28800, 16200}, 32767, 100}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AirStatePopupTest, FarRightMainWindowIsClamped) {
    Start();
    ASSERT_TRUE(calc->LoadAirState(1, 30000, 30000));
    EXPECT_EQ(psych.PosX(), 32767);
    EXPECT_EQ(psych.PosY(), 32767);
    ASSERT_TRUE(calc->LoadAirState(1, 26000, 14000, kScreen));
    EXPECT_EQ(psych.PosX(), 28800 - 2775);
    EXPECT_EQ(psych.PosY(), 16200 - 2580);
}

} // namespace
} // namespace kestrix::testing
