// The output window's rows as texts, for hosts that link the component
// statically and have no window (kestrix-cli): exactly what frmOutput shows.
#pragma once

#include <array>
#include <string>

namespace hygrovex {

struct OutputRowText {
    std::string caption; // "Dry Bulb Temp.", "Wet Bulb Temp.", ...
    std::string value;   // number by its pattern and the unit text, "95.0°F"
};

// The ten rows for the last calculation, top to bottom.
std::array<OutputRowText, 10> LastOutputRows();

} // namespace hygrovex
