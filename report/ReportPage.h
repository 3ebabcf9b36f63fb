// The printed report as data: every step the printer service takes to draw the
// one-page report (font changes, positions, text lines with their column
// cells, pictures), built from the design case and the texts the main window
// shows. Painting it is the Qt layer's job (Printout.h); building it needs no
// Qt, so the layout is checked without a printer.
#pragma once

#include "engine/DesignCase.h"
#include "engine/FormPort.h"

#include <string>
#include <vector>

namespace kestrix::report {

enum class ReportPicture { Logo, Schematic };

// One piece of text of a line. Column n (1-based) starts at x = (n - 1) times
// the average character width of the font in force; column 0 writes at the
// print position as it stands.
struct ReportCell {
    int column = 0;
    std::string text;
    bool operator==(const ReportCell&) const = default;
};

struct ReportStep {
    enum class Kind {
        FontName,  // text
        FontSize,  // size, points
        Bold,      // on
        Underline, // on
        MoveTo,    // x, y in inches from the printable area's top-left corner
        Line,      // cells; no cells: an empty line
        Picture,   // picture at (x, y); scaled into width x height when both are > 0
        EndDoc,
    };
    Kind kind = Kind::Line;
    std::string text;
    double size = 0;
    bool on = false;
    double x = 0, y = 0, width = 0, height = 0;
    std::vector<ReportCell> cells;
    ReportPicture picture = ReportPicture::Logo;
};

struct ReportPage {
    std::vector<ReportStep> steps;

    // The written lines, each as its cells' texts joined by one blank; empty
    // lines give "". For checks and for reading the page as text.
    std::vector<std::string> LineTexts() const;
};

// The whole page for the design case and the texts the port shows. The case
// must have been calculated (the print command runs RunCalc first). longDate is
// today's date in the user's long date format.
ReportPage BuildReportPage(const DesignCase& dc, const FormPort& port, const std::string& longDate);

// The wet-bulb text of the air-stream blocks: "##0.0" and "°F WB", or the
// Celsius value and "°C WB" in SI units.
std::string WetBulbText(double wetBulbF, bool siUnits, const FormPort& port);

} // namespace kestrix::report
