// The moisture calculator panel driven as a user drives it, on a headless main
// window with the real Hygrovex object.
#include "CalculatorTestSupport.h"

#include "calculator/CalculatorTexts.h"
#include "engine/ProjectFile.h"
#include "engine/Texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrix::testing {
namespace {

using CalculatorTest = CalculatorFixture;

// ---------------------------------------------------------------------------
// Start-up seeds

struct StartupRow {
    const char* name;
    bool si;
    const char* temperature;
    const char* moisture;
    const char* unit;
    const char* answer;
    double calcAnswer;
};

class CalculatorStartupTest : public CalculatorFixture,
                              public ::testing::WithParamInterface<StartupRow> {};

TEST_P(CalculatorStartupTest, SeedsTheBoxesAndShowsTheAnswer) {
    const StartupRow& row = GetParam();
    Start(row.si);
    EXPECT_EQ(port.Text("txtT"), row.temperature);
    EXPECT_EQ(port.Text("txtM"), row.moisture);
    EXPECT_EQ(port.Text("lblM"), row.unit);
    EXPECT_EQ(Answer(), row.answer);
    EXPECT_DOUBLE_EQ(calc->CalcAnswer, row.calcAnswer);
    EXPECT_TRUE(calc->HasAnswer());
    EXPECT_TRUE(port.Checked("optUnits(0)"));
    EXPECT_TRUE(port.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Units, CalculatorStartupTest,
                         ::testing::Values(StartupRow{"InchPound_95F_75FWetBulb", false, "95", "75",
                                                      "°F WB", "98.5 gr/lb", 98.5},
                                           StartupRow{"Metric_35C_23_9CWetBulb", true, "35", "23.9",
                                                      "°C WB", "14.1 g/kg", 14.1}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Input forms: the moisture text is read in the chosen form as it stands.

struct FormRow {
    const char* name;
    int option;
    const char* moisture;
    const char* unit;
    const char* answer;
};

class CalculatorFormTest : public CalculatorFixture,
                           public ::testing::WithParamInterface<FormRow> {};

TEST_P(CalculatorFormTest, At95FAndSeaLevel) {
    const FormRow& row = GetParam();
    Start();
    Type("txtM", row.moisture);
    ChooseForm(row.option);
    EXPECT_EQ(port.Text("lblM"), row.unit);
    EXPECT_EQ(Answer(), row.answer);
    EXPECT_EQ(calc->CalcUnitIndex, row.option);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(port.Checked("optUnits(" + std::to_string(i) + ")"), i == row.option);
    EXPECT_TRUE(port.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    InchPound, CalculatorFormTest,
    ::testing::Values(FormRow{"WetBulb75", 0, "75", "°F WB", "98.5 gr/lb"},
                      FormRow{"DewPoint60", 1, "60", "°F DP", "77.3 gr/lb"},
                      FormRow{"RelativeHumidity50", 2, "50", "% RH", "124.4 gr/lb"},
                      FormRow{"PoundPerPound0_01", 3, "0.01", "lb/lb", "70.0 gr/lb"},
                      FormRow{"Grains80", 4, "80", "gr/lb", "80.0 gr/lb"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculatorTest, MetricFormsShowMetricUnitTexts) {
    Start(true);
    Type("txtM", "10");
    ChooseForm(4);
    EXPECT_EQ(port.Text("lblM"), "g/kg");
    EXPECT_EQ(Answer(), "10.0 g/kg");
    ChooseForm(1);
    EXPECT_EQ(port.Text("lblM"), "°C DP");
    Type("txtM", "0.01");
    ChooseForm(3);
    EXPECT_EQ(port.Text("lblM"), "kg/kg");
    EXPECT_EQ(Answer(), "10.0 g/kg");
}

// ---------------------------------------------------------------------------
// The component's range message leaves the answer as it was.

TEST_F(CalculatorTest, RangeMessageKeepsThePreviousAnswer) {
    Start();
    // The start-up run left the component holding the exhaust air's moisture
    // from the engine's last wet-bulb call; none of it may reach the answer.
    ASSERT_NE(psych.HumidRatio1O(), 98.5);
    Type("txtM", "96");
    ChooseForm(1); // dew point 96 °F above a 95 °F dry bulb
    ASSERT_EQ(port.Messages().size(), 1u);
    EXPECT_EQ(port.Messages()[0].title, "Error");
    EXPECT_EQ(Answer(), "98.5 gr/lb");
    EXPECT_DOUBLE_EQ(calc->CalcAnswer, 98.5);
    EXPECT_EQ(port.Text("lblM"), "°F DP"); // the box is read in the chosen form

    // Paste after the message copies the last computed answer.
    port.ClearWrites();
    calc->cmdPaster_Click();
    ASSERT_FALSE(port.FieldWrites().empty());
    EXPECT_EQ(port.FieldWrites()[0], (RecordingForm::Write{"txtWra", "98.5"}));
}

struct RangeRow {
    const char* name;
    int option;
    const char* moisture;
};

class CalculatorRangeTest : public CalculatorFixture,
                            public ::testing::WithParamInterface<RangeRow> {};

TEST_P(CalculatorRangeTest, AnswerUnchanged) {
    Start();
    Type("txtM", GetParam().moisture);
    ChooseForm(GetParam().option);
    ASSERT_EQ(port.Messages().size(), 1u);
    EXPECT_EQ(port.Messages()[0].title, "Error");
    EXPECT_EQ(Answer(), "98.5 gr/lb");
    EXPECT_DOUBLE_EQ(calc->CalcAnswer, 98.5);
}

INSTANTIATE_TEST_SUITE_P(OutOfRange, CalculatorRangeTest,
                         ::testing::Values(RangeRow{"WetBulbAboveDryBulb", 0, "96"},
                                           RangeRow{"DewPointAboveDryBulb", 1, "96"},
                                           RangeRow{"MoreThan100PercentRH", 2, "101"},
                                           RangeRow{"MoreThan500Grains", 4, "501"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Boxes that do not hold numbers.

struct BadBoxRow {
    const char* name;
    const char* temperature;
    const char* moisture;
    const char* message;
};

class CalculatorBadBoxTest : public CalculatorFixture,
                             public ::testing::WithParamInterface<BadBoxRow> {};

TEST_P(CalculatorBadBoxTest, NamesTheBoxAndComputesNothing) {
    const BadBoxRow& row = GetParam();
    Start();
    const double moistureBefore = psych.MoistureI();
    const double temperatureBefore = psych.TemperatureI();
    Type("txtT", row.temperature);
    Type("txtM", row.moisture);
    calc->cmdCalculate_Click();
    ASSERT_EQ(port.Messages().size(), 1u);
    EXPECT_EQ(port.Messages()[0].title, "Warning");
    EXPECT_EQ(port.Messages()[0].text, row.message);
    EXPECT_EQ(Answer(), "98.5 gr/lb");
    EXPECT_DOUBLE_EQ(calc->CalcAnswer, 98.5);
    // Nothing reached the component.
    EXPECT_EQ(psych.MoistureI(), moistureBefore);
    EXPECT_EQ(psych.TemperatureI(), temperatureBefore);
    // The boxes keep what the user typed.
    EXPECT_EQ(port.Text("txtT"), row.temperature);
    EXPECT_EQ(port.Text("txtM"), row.moisture);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, CalculatorBadBoxTest,
    ::testing::Values(BadBoxRow{"EmptyTemperature", "", "75", calctext::kTemperatureNotNumber},
                      BadBoxRow{"WordInTemperature", "warm", "75", calctext::kTemperatureNotNumber},
                      BadBoxRow{"TrailingGarbageInTemperature", "95F", "75",
                                calctext::kTemperatureNotNumber},
                      BadBoxRow{"EmptyMoisture", "95", "", calctext::kMoistureNotNumber},
                      BadBoxRow{"BadGroupingInMoisture", "95", "7,5", calctext::kMoistureNotNumber},
                      BadBoxRow{"OverflowInMoisture", "95", "1e999", calctext::kMoistureNotNumber},
                      BadBoxRow{"BothEmpty", "", " ", calctext::kBothNotNumbers}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculatorTest, OptionClickWithABadBoxStillShowsTheChosenForm) {
    Start();
    Type("txtM", "");
    ChooseForm(2);
    ASSERT_EQ(port.Messages().size(), 1u);
    EXPECT_EQ(port.Messages()[0].text, calctext::kMoistureNotNumber);
    EXPECT_EQ(port.Text("lblM"), "% RH");
    EXPECT_EQ(Answer(), "98.5 gr/lb");
}

// ---------------------------------------------------------------------------
// Calculate Humidity Ratio after an elevation change

TEST_F(CalculatorTest, CalculateUsesAnElevationJustTyped) {
    Start();
    Type("txtElev", "5000");
    ASSERT_TRUE(form.ElevChanged);
    calc->cmdCalculate_Click();
    EXPECT_EQ(Answer(), "128.1 gr/lb");
    EXPECT_DOUBLE_EQ(form.Case().Elev, 5000);
    EXPECT_FALSE(form.ElevChanged);
    // The next Calc of the main window gives no elevation warning.
    port.ClearMessages();
    Type("txtToa", "51");
    form.CmdCalc_Click();
    for (const MessageRecord& m : port.Messages())
        EXPECT_NE(m.text, text::kElevation);

    // Back at sea level the same reading gives the sea-level answer.
    Type("txtElev", "0");
    calc->cmdCalculate_Click();
    EXPECT_EQ(Answer(), "98.5 gr/lb");
}

TEST_F(CalculatorTest, UnreadableElevationComputesNothingAndStaysPending) {
    Start();
    Type("txtElev", "high");
    calc->cmdCalculate_Click();
    ASSERT_FALSE(port.Messages().empty()); // the main calculation named the field
    EXPECT_EQ(port.Messages()[0].title, "Warning");
    EXPECT_EQ(Answer(), "98.5 gr/lb");
    EXPECT_TRUE(form.ElevChanged);
    // Once the field reads, the same button uses the new elevation.
    port.ClearMessages();
    Type("txtElev", "5000");
    calc->cmdCalculate_Click();
    EXPECT_EQ(Answer(), "128.1 gr/lb");
    EXPECT_FALSE(form.ElevChanged);
    EXPECT_TRUE(port.Messages().empty());
}

TEST_F(CalculatorTest, CalculateWithoutElevationChangeRunsNoMainCalculation) {
    Start();
    Type("txtToa", "52"); // results stale
    ASSERT_TRUE(port.Enabled("CmdCalc"));
    calc->cmdCalculate_Click();
    EXPECT_TRUE(port.Enabled("CmdCalc")); // still stale: only the panel ran
    EXPECT_DOUBLE_EQ(form.Case().Toa, 50);
    EXPECT_EQ(Answer(), "98.5 gr/lb");
}

// ---------------------------------------------------------------------------
// Paste buttons

struct PasteRow {
    const char* name;
    bool offCoil;
    const char* moistureBox;
    const char* temperatureBox;
};

class CalculatorPasteTest : public CalculatorFixture,
                            public ::testing::WithParamInterface<PasteRow> {};

TEST_P(CalculatorPasteTest, CopiesAnswerAndDryBulbThenRecalculates) {
    const PasteRow& row = GetParam();
    Start();
    port.ClearWrites();
    if (row.offCoil)
        calc->cmdPastep_Click();
    else
        calc->cmdPaster_Click();
    // The two boxes receive the texts first, as typing would ...
    ASSERT_GE(port.FieldWrites().size(), 2u);
    EXPECT_EQ(port.FieldWrites()[0], (RecordingForm::Write{row.moistureBox, "98.5"}));
    EXPECT_EQ(port.FieldWrites()[1], (RecordingForm::Write{row.temperatureBox, "95"}));
    // ... then the main calculation runs and leaves the results current.
    EXPECT_FALSE(port.Enabled("CmdCalc"));
    EXPECT_EQ(port.Text("sbrStatus.Panel3"), form.Case().ModelCaption);
}

INSTANTIATE_TEST_SUITE_P(Buttons, CalculatorPasteTest,
                         ::testing::Values(PasteRow{"OffCoil", true, "txtWoa", "txtToa"},
                                           PasteRow{"Return", false, "txtWra", "txtTra"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculatorTest, PastedReturnAirIsWhatTheMainCalculationUses) {
    // 95 °F and 98.5 gr/lb lie inside the return/mixed air limits.
    Start();
    calc->cmdPaster_Click();
    EXPECT_DOUBLE_EQ(form.Case().Tra, 95);
    EXPECT_DOUBLE_EQ(form.Case().Wra, 98.5);
    EXPECT_EQ(port.Text("txtWra"), "98.5");
    EXPECT_TRUE(port.Messages().empty());
}

TEST_F(CalculatorTest, PasteCopiesTheTemperatureTextUnchanged) {
    Start();
    Type("txtM", "100");
    ChooseForm(4);
    EXPECT_EQ(Answer(), "100.0 gr/lb");
    Type("txtT", " 95.0 ");
    port.ClearWrites();
    calc->cmdPaster_Click();
    ASSERT_GE(port.FieldWrites().size(), 2u);
    EXPECT_EQ(port.FieldWrites()[0].text, "100"); // shortest general number form
    EXPECT_EQ(port.FieldWrites()[1].text, " 95.0 ");
    EXPECT_DOUBLE_EQ(form.Case().Tra, 95);
}

TEST_F(CalculatorTest, PasteBeforeAnyAnswerPastesNothing) {
    // A window whose calculator never produced an answer (no start-up seeds).
    const std::string woa = port.Text("txtWoa");
    const std::string toa = port.Text("txtToa");
    calc->cmdPastep_Click();
    calc->cmdPaster_Click();
    ASSERT_EQ(port.Messages().size(), 2u);
    EXPECT_EQ(port.Messages()[0].title, "Warning");
    EXPECT_EQ(port.Messages()[0].text, calctext::kNothingToPaste);
    EXPECT_EQ(port.Text("txtWoa"), woa);
    EXPECT_EQ(port.Text("txtToa"), toa);
    EXPECT_FALSE(calc->HasAnswer());
}

TEST_F(CalculatorTest, PasteAfterOnlyFailedCalculationsPastesNothing) {
    Type("txtT", "95");
    Type("txtM", "abc");
    calc->RunCalculator(); // box not a number
    Type("txtM", "96");
    calc->RunCalculator(); // range message
    port.ClearMessages();
    calc->cmdPastep_Click();
    ASSERT_EQ(port.Messages().size(), 1u);
    EXPECT_EQ(port.Messages()[0].text, calctext::kNothingToPaste);
    EXPECT_NE(port.Text("txtWoa"), "0");
}

TEST_F(CalculatorTest, AnswerOfTheOtherUnitSystemIsNotPasted) {
    Start(); // 98.5 gr/lb
    // The unit system changes and the next calculation cannot run.
    form.Case().SIUnits = true;
    Type("txtM", "");
    calc->RunCalculator();
    port.ClearMessages();
    const std::string wra = port.Text("txtWra");
    calc->cmdPaster_Click();
    ASSERT_EQ(port.Messages().size(), 1u);
    EXPECT_EQ(port.Messages()[0].text, calctext::kNothingToPaste);
    EXPECT_EQ(port.Text("txtWra"), wra);
}

// ---------------------------------------------------------------------------
// The Main Units dialog's reset, in the dialog's order.

// OK of the Main Units dialog, as the window and kestrix-cli run it.
void ConfirmMainUnits(RotorForm& form, modCalculator& calc, bool si) {
    ApplyMainUnits(form, si,
                   {[&calc](bool toSI) { calc.ResetCalculatorForUnits(toSI); },
                    [&calc] { calc.RunCalculator(); }});
}

struct ResetRow {
    const char* name;
    bool startSI;
    bool confirmSI;
    const char* temperature;
    const char* moisture;
    const char* unit;
    const char* answer;
};

class CalculatorUnitResetTest : public CalculatorFixture,
                                public ::testing::WithParamInterface<ResetRow> {};

TEST_P(CalculatorUnitResetTest, ResetsToWetBulbSeeds) {
    const ResetRow& row = GetParam();
    Start(row.startSI);
    Type("txtM", "40");
    ChooseForm(2); // another form chosen before the dialog
    ConfirmMainUnits(form, *calc, row.confirmSI);
    EXPECT_EQ(port.Text("txtT"), row.temperature);
    EXPECT_EQ(port.Text("txtM"), row.moisture);
    EXPECT_EQ(port.Text("lblM"), row.unit);
    EXPECT_EQ(Answer(), row.answer);
    EXPECT_DOUBLE_EQ(calc->CalcTempSeed, 75);
    EXPECT_DOUBLE_EQ(calc->CalcMoistSeed, 60);
    EXPECT_EQ(calc->CalcUnitIndex, 0);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(port.Checked("optUnits(" + std::to_string(i) + ")"), i == 0);
}

INSTANTIATE_TEST_SUITE_P(MainUnits, CalculatorUnitResetTest,
                         ::testing::Values(ResetRow{"InchPoundToMetric", false, true, "23.9",
                                                    "15.6", "°C WB", "7.6 g/kg"},
                                           ResetRow{"InchPoundAgain", false, false, "75.0", "60.0",
                                                    "°F WB", "53.2 gr/lb"},
                                           ResetRow{"MetricToInchPound", true, false, "75.0",
                                                    "60.0", "°F WB", "53.2 gr/lb"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The user's number format: comma decimal point, dot grouping.

TEST_F(CalculatorTest, CommaDecimalLocaleSeedsReadsAndPastes) {
    port.SetSeparators(",", ".");
    Start(true);
    EXPECT_EQ(port.Text("txtM"), "23,9");
    EXPECT_EQ(Answer(), "14,1 g/kg");
    EXPECT_TRUE(port.Messages().empty());
    port.ClearWrites();
    calc->cmdPaster_Click();
    ASSERT_GE(port.FieldWrites().size(), 2u);
    EXPECT_EQ(port.FieldWrites()[0].text, "14,1");
    EXPECT_NEAR(form.Case().Wra, 14.1 * 7, 1e-6); // read back as 14.1 g/kg
    EXPECT_EQ(port.Text("txtWra"), "14,1");
    Type("txtM", "0,01");
    ChooseForm(3);
    EXPECT_EQ(Answer(), "10,0 g/kg");
    calc->ResetCalculatorForUnits(true);
    EXPECT_EQ(port.Text("txtT"), "23,9");
    EXPECT_EQ(port.Text("txtM"), "15,6");
}

} // namespace
} // namespace kestrix::testing
