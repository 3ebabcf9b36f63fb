// The catalogue reader on arbitrary bytes: it never crashes, and what it
// accepts fits the design case's arrays and can be sized from.
#include "Catalogue.h"
#include "DesignCase.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kestrix::CatalogueReading r =
        kestrix::ParseCatalogue(std::string_view(reinterpret_cast<const char*>(data), size));
    if (r.error.empty() == r.rows.empty())
        std::abort(); // either rows or an error
    if (r.rows.size() > static_cast<std::size_t>(kestrix::kCatalogueCapacity))
        std::abort();
    for (const kestrix::CatalogueRow& row : r.rows)
        if (!(row.area > 0) || !std::isfinite(row.area) || !std::isfinite(row.depth) ||
            row.name.empty())
            std::abort();
    return 0;
}
