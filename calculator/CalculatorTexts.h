// Every text the moisture calculator panel writes or says, written once.
#pragma once

#include <array>

namespace kestrix::calctext {

// The input forms by option index: the moisture code sent to the component
// and the unit caption shown beside the moisture box in each unit system.
struct InputForm {
    short moistCode;    // 1 dew point, 2 wet bulb, 3 grains, 4 %RH, 5 lb/lb
    const char* unitIP; // CalcUnitText, inch-pound
    const char* unitSI; // CalcUnitText, metric
};
inline constexpr std::array<InputForm, 5> kInputForms{{
    {2, "°F WB", "°C WB"},
    {1, "°F DP", "°C DP"},
    {4, "% RH", "% RH"},
    {5, "lb/lb", "kg/kg"},
    {3, "gr/lb", "g/kg"},
}};

// Unit words after the answer in lblAnswer.
inline constexpr const char* kAnswerUnitIP = " gr/lb";
inline constexpr const char* kAnswerUnitSI = " g/kg";

// Number patterns of the panel.
inline constexpr const char* kAnswerRounding = "##0.0";  // CalcAnswer: one decimal
inline constexpr const char* kAnswerPattern = "#,##0.0"; // lblAnswer
inline constexpr const char* kResetPatternIP = "###.0";  // Main Units reset, °F
inline constexpr const char* kResetPatternSI = "##0.0";  // Main Units reset, °C

// Warnings of the panel (shown under the program's "Warning" title).
inline constexpr const char* kTemperatureNotNumber =
    "Moisture Calculator: the temperature box does not hold a number.";
inline constexpr const char* kMoistureNotNumber =
    "Moisture Calculator: the moisture box does not hold a number.";
inline constexpr const char* kBothNotNumbers =
    "Moisture Calculator: the temperature box and the moisture box do not hold numbers.";
inline constexpr const char* kNothingToPaste =
    "Moisture Calculator: there is no answer to paste yet. Enter a temperature and a moisture "
    "value and press Calculate Humidity Ratio first.";

} // namespace kestrix::calctext
