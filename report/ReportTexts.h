// The fixed texts of the printed report: the paragraphs describing the
// rotor media, frame and bearings, and the Korvane contact block. Written once
// here; the page layout and the tests read them from here.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace kestrix::report {

inline constexpr std::string_view kReportTitle = "Kestrix Rotor Selection";
inline constexpr std::string_view kReportSubtitle =
    "For Cromer Cycle and Related Hybrid Applications";
inline constexpr std::string_view kParametersExceeded =
    "   Program Parameters Exceeded, Contact Korvane for Information";

inline constexpr std::string_view kMediaHeading = "Rotor Media:";
inline constexpr std::array<std::string_view, 6> kMediaParagraph = {
    "Shall be comprised of Corvalite PPS \"in situation formed\" silica gel on fiberglass "
    "substrate. Desiccant loading shall not be",
    "less than 80% with media density of 16 lbs/ FT3. Wall thickness shall not exceed 0.008 "
    "in., with a flute height of 1.5 mm",
    "and flute width of 3.0 mm.  Media shall be able to withstand up to 500°FDB without "
    "reduction in dehumidification perfor-",
    "mance and up to 2000°FDB without loss of mechanical integrity. Media may be washed in non "
    "alkaline water without loss",
    "of performance.  Media shall be face coated to ensure long lasting mechanical integrity. "
    "Rated lifetime shall not be less",
    "than 87,600 hours and shall be defined by media performance meeting >90% of original "
    "specification.",
};

inline constexpr std::string_view kFrameHeading = "Rotor Frame:";
// Rotors of every depth but 100 mm: welded steel spokes and a drawn hub.
inline constexpr std::array<std::string_view, 4> kFrameParagraphSteel = {
    "Shall be comprised of full depth welded 10 gage steel spokes with 10 gage media retention "
    "strip and 4140 CRS \"Drawn",
    "over Mandrel\" thick wall hub. Spokes shall terminate with heavy duty welded coupling nuts "
    "to allow for bolting to outer",
    "band.  Outer band shall be constructed of stainless steel, with or without welded flanges "
    "to meet customer specification.",
    "Outer band shall be made continuous by welding, but shall be bolted to spoke ends to "
    "facilitate removal.",
};
// 100 mm rotors: light stainless spokes riveted to the rim.
inline constexpr std::array<std::string_view, 3> kFrameParagraphStainless = {
    "Shall be comprised of full depth welded 20 gage stainless steel spokes (rotors 440 "
    "diameter and larger) with a stainless",
    "steel center hub. Spokes are riveted to outer rim with 0.125 in. stainless steel rivets.  "
    "Outer Band shall be constructed",
    "of 20 gage stainless steel.",
};

inline constexpr std::string_view kBearingsHeading = "Rotor Bearings:";
inline constexpr std::array<std::string_view, 2> kBearingsParagraph = {
    "Shall be sealed 200,000 hour rated non-maintenance type, preloaded and prelubricated for "
    "high temperature environ-",
    "ments. Rotor bearings shall require press fit to rotor hub and shall be supplied, by the "
    "manufacturer, with the rotor.",
};

// The contact block at the foot of the page.
inline constexpr std::string_view kCompanyName = "Korvane, Inc.";
inline constexpr std::string_view kCompanyStreet = "2150 Foundry Park Drive";
inline constexpr std::string_view kCompanyCity = "Lakemont, OH 44871";
inline constexpr std::string_view kTelephoneCaption = "Telephone:";
inline constexpr std::string_view kTelephone = "(419) 555-0147";
inline constexpr std::string_view kFaxCaption = "Fax:";
inline constexpr std::string_view kFax = "(419) 555-0148";
inline constexpr std::string_view kWebAddress = "www.korvane.com";

} // namespace kestrix::report
