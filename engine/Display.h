// The results display as plain functions of the design case: the unit
// captions, the input field texts and the result label texts in the chosen
// units, with the number patterns of each control. The main window, the report,
// the clipboard copies and the CLI all take their texts from here.
#pragma once

#include "DesignCase.h"

#include <string>
#include <vector>

namespace kestrix {

struct ControlText {
    std::string control; // "txtToa", "lblscfm(0)", "sbrStatus.Panel3"
    std::string text;
};

struct Separators {
    std::string decimalPoint = ".";
    std::string groupSeparator = ",";
};

// A number in one of the display's patterns ("##0.0", "###,###", ...) with the
// given locale separators.
std::string FormatNumber(double value, const char* pattern, const Separators& separators);

// Actual volume / standard volume for a stream at (T °F, W gr/lb) and the case's
// pressure; 1 when the state gives no finite specific volume (no run yet).
double ActualVolumeRatio(const DesignCase& c, double T, double W);

// The volume shown for a standard volume of a stream at (T, W): actual when
// AcfmUnits, scfm in IP and m³/h in SI (si).
double ShownVolume(const DesignCase& c, double scfm, double T, double W, bool si);

// UnitLabels: the unit captions in IP or SI, in the order they are written.
std::vector<ControlText> UnitCaptionTexts(const DesignCase& c);

// FillText / FillTextSI: the title dialog's field and the seven input fields,
// in the order they are written (txtTitle, txtWoa, txtToa, txtWra, txtTra,
// txtVsa, txtVra, txtElev). si chooses FillTextSI's units.
std::vector<ControlText> InputFieldTexts(const DesignCase& c, const Separators& separators,
                                         bool si);

// FillCaptions / FillCaptionsSI: the heat frame caption, the result labels and
// status panel 3, in the order they are written ("fmeHeat", "lblVels", ...,
// "lblHeatT", "sbrStatus.Panel3"). lblFrost's visibility and the Calc button
// are not texts; the window procedures set them.
std::vector<ControlText> ResultTexts(const DesignCase& c, const Separators& separators, bool si);

} // namespace kestrix
