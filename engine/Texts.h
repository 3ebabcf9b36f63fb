// Every text the engine and the main window's logic show the user: warning
// titles and texts, unit captions, status texts and the model caption. Written
// once here and used by the window, the report, the clipboard and the CLI.
// Several warnings end with a space; it is part of the text.
#pragma once

namespace kestrix::text {

inline constexpr const char* kWarningTitle = "Warning";
inline constexpr const char* kErrorTitle = "Error";

// Input limits.
inline constexpr const char* kTraMax =
    "Return/Mixed air temperature is out of range, maximum allowed temperature will be used ";
inline constexpr const char* kWraMax =
    "Return/Mixed air moisture level is out of range, maximum allowed level will be used ";
inline constexpr const char* kToaMax =
    "Off-Coil air temperature is out of range, maximum allowed temperature will be used ";
inline constexpr const char* kToaMin =
    "Off-Coil air temperature is out of range, minimum allowed temperature will be used ";
inline constexpr const char* kToaAboveTra =
    "Off-coil air temperature must be <= Return/mixed air temperature, ";
inline constexpr const char* kOaSupersaturated =
    "Off-Coil air is supersaturated, saturated condition will be used ";
inline constexpr const char* kRaSupersaturated =
    "Return/mixed air is supersaturated, saturated condition will be used ";
// The RH message is built from these pieces around the two RH values ("##0.0").
inline constexpr const char* kRhOrder1 = "Off-coil air RH (";
inline constexpr const char* kRhOrder2 = "%) must be >= Return/Mixed air RH (";
inline constexpr const char* kRhOrder3 = "%), Off-Coil Moisture will be adjusted";

// Rotor sizing.
inline constexpr const char* kNoMatchMax =
    "No rotor matches your selection, maximum air volume and rotor size will be selected.";
inline constexpr const char* kNoMatchMin =
    "No rotor matches your selection, minimum air volume and rotor size will be selected.";
// No catalogue model lies between 400 and 800 fpm for the supply volume.
inline constexpr const char* kNoModelInWindow =
    "No rotor model runs between 400 and 800 fpm at this supply air volume; the model "
    "nearest 600 fpm will be used.";

// Exchange model and display.
inline constexpr const char* kIcing = "Exhaust air is supersaturated, icing condition may result.";
inline constexpr const char* kExcessiveVelocity =
    "Excessive velocity, suggest increasing wheel size.";
inline constexpr const char* kElevation =
    "Air moisture content at elevations above sea level may need to be recalculated. Please use "
    "the adjacent Moisture Calculator as necessary, and reselect Korvane Product as required.";
inline constexpr const char* kSaturationNotFound =
    "The saturation state of an air stream could not be found; condensation has not been "
    "checked for this calculation.";
inline constexpr const char* kRunIncomplete =
    "These inputs lie outside what the rotor model can calculate; the previous results are "
    "still shown. Please check the inputs and calculate again.";

inline constexpr const char* kModelPrefix = "Model: ";
inline constexpr const char* kInitialModelCaption = "Model: RW48-100";
inline constexpr const char* kParametersExceeded = "Program Parameters Exceeded, Contact Korvane";
inline constexpr const char* kRequiresCalculation = "Requires Calculation";
inline constexpr const char* kLbPerHourSuffix = " lb/h";

// Field reading: "<field> must be a number." and the like.
inline constexpr const char* kMustBeNumber = " must be a number.";
inline constexpr const char* kMustBePositive = " must be a number greater than zero.";
inline constexpr const char* kMustBeAboveAbsoluteZero =
    " must be a temperature above absolute zero.";
inline constexpr const char* kMustNotBeNegative = " must not be negative.";
inline constexpr const char* kElevationRangeIp =
    "Elevation must be a number between -2,000 and 20,000 ft.";
inline constexpr const char* kElevationRangeSi =
    "Elevation must be a number between -610 and 6,096 m.";

// Unit captions, IP then SI.
inline constexpr const char* kScfm = "scfm";
inline constexpr const char* kAcfm = "acfm";
inline constexpr const char* kScmh = "scmh";
inline constexpr const char* kAcmh = "acmh";
inline constexpr const char* kFdb = " °F DB";
inline constexpr const char* kCdb = " °C DB";
inline constexpr const char* kGrlb = "gr/lb";
inline constexpr const char* kGkg = "g/kg";
inline constexpr const char* kInWc = "in.WC";
inline constexpr const char* kPa = "Pa";
inline constexpr const char* kAfpm = "afpm";
inline constexpr const char* kAms = "am/s";
inline constexpr const char* kFt = "ft.";
inline constexpr const char* kM = "m";
inline constexpr const char* kLbH2oH = "lb H2O/h";
inline constexpr const char* kKgH2oH = "kg H2O/h";
inline constexpr const char* kFWetBulb = "°F Wet Bulb";
inline constexpr const char* kCWetBulb = "°C Wet Bulb";
inline constexpr const char* kFDewPoint = "°F Dew Point";
inline constexpr const char* kCDewPoint = "°C Dew Point";
inline constexpr const char* kLbLb = "lb/lb";
inline constexpr const char* kKgKg = "kg/kg";
inline constexpr const char* kDegF = "°F";
inline constexpr const char* kDegC = "°C";
inline constexpr const char* kHeatIp = "Heat Transfer, BTU/h";
inline constexpr const char* kHeatSi = "Heat Transfer, Watts";

} // namespace kestrix::text
