// What the output window lists: ten caption/value rows built from the
// calculation record, and the hooks through which the Qt part of the library
// refreshes, shows and hides the window. The texts are built here, without Qt,
// so the window only places them.
#pragma once

#include "modPsych.h"

#include <array>
#include <string>

namespace hygrovex {

inline constexpr int kOutputRowCount = 10;

// Captions of the rows, top to bottom.
inline constexpr std::array<const char*, kOutputRowCount> kOutputCaptions = {
    "Dry Bulb Temp.", "Wet Bulb Temp.", "Dew Point Temp.", "RH",         "Humidity Ratio",
    "Humidity Ratio", "Enthalpy",       "Specific Volume", "Air Volume", "Air Volume",
};

// Value texts of the rows (number by its pattern, then the unit text) for the
// record's unit system.
std::array<std::string, kOutputRowCount> OutputValueTexts(const PsyStateRecord& state);

// The window side of the library. Every member may be null; without a
// QApplication the hooks do nothing.
struct OutputWindowHooks {
    void (*refresh)() = nullptr;                         // after every calculation
    void (*show)(int leftTwips, int topTwips) = nullptr; // ShowForm
    void (*hide)() = nullptr;                            // HideForm
};
void SetOutputWindowHooks(const OutputWindowHooks& hooks);
const OutputWindowHooks& GetOutputWindowHooks();

// The output window's Calc: one calculation on the record, then the window
// refresh. Returns false when the range message was shown.
bool OutputCalc();

} // namespace hygrovex
