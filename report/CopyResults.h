// The results as tab-separated text for the clipboard: the spreadsheet layout
// (Edit > Copy (Excel) and the toolbar's Copy) and the word-processor layout
// (Edit > Copy (Word)). Cells are separated by TAB, rows end with LF alone, and
// the last row has no line end.
#pragma once

#include "engine/DesignCase.h"
#include "engine/FormPort.h"

#include <optional>
#include <string>

namespace kestrix {
class RotorForm;
}

namespace kestrix::report {

// The layout flag of the copy commands: 1 selects the spreadsheet layout, any
// other value the word-processor layout.
inline constexpr int kExcelLayout = 1;
inline constexpr int kWordLayout = 0;

// The copy text for a calculated case and the texts the port shows.
std::string BuildCopyText(const DesignCase& dc, const FormPort& port, int ExcelFormat);

// The copy command's text: runs the calculation first, so the text carries the
// results of the current inputs, then builds the layout chosen by ExcelFormat.
// Nothing when the calculation could not run (its warning names the field).
std::optional<std::string> CopyResults(RotorForm& form, int ExcelFormat);

} // namespace kestrix::report
