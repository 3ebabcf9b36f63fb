// The rotor catalogue file "qvdcmd121.dta": comma-separated records of media
// depth (mm), model name and total face area (ft²), in increasing face area.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrix {

inline constexpr const char* kCatalogueFileName = "qvdcmd121.dta";

struct CatalogueRow {
    double depth = 0; // mm
    std::string name;
    double area = 0; // ft², total face area
};

struct CatalogueReading {
    std::vector<CatalogueRow> rows;
    // Empty when the text was read; otherwise what is wrong, starting with
    // "line N: " when a line is to blame.
    std::string error;
};

// Reads catalogue text in the sequential-input format: values are separated by
// commas or line ends, a name may stand in double quotes (it must, to hold a
// comma), numbers are plain decimals; every three values make one record.
// Refuses more than 50 records, no records, a record cut short, a depth or
// area that is not a number, a face area that is not above zero and an empty
// name. Never throws.
CatalogueReading ParseCatalogue(std::string_view text);

} // namespace kestrix
