// Lays out the one-page report: where every text and picture goes, in the
// order the printer service draws them.
#include "report/ReportPage.h"

#include "common/NumberPattern.h"
#include "report/ReportTexts.h"

#include <span>
#include <utility>

namespace kestrix::report {

using common::FormatPattern;

namespace {

// Builds the step list; each member adds one printer-service step.
class PageWriter {
public:
    void FontName(std::string_view name) { Add(ReportStep::Kind::FontName).text = name; }
    void FontSize(double points) { Add(ReportStep::Kind::FontSize).size = points; }
    void Bold(bool on) { Add(ReportStep::Kind::Bold).on = on; }
    void Underline(bool on) { Add(ReportStep::Kind::Underline).on = on; }
    void MoveTo(double x, double y) {
        ReportStep& step = Add(ReportStep::Kind::MoveTo);
        step.x = x;
        step.y = y;
    }
    void Line(std::vector<ReportCell> cells = {}) {
        Add(ReportStep::Kind::Line).cells = std::move(cells);
    }
    void Picture(ReportPicture picture, double x, double y, double width = 0, double height = 0) {
        ReportStep& step = Add(ReportStep::Kind::Picture);
        step.picture = picture;
        step.x = x;
        step.y = y;
        step.width = width;
        step.height = height;
    }
    void EndDoc() { Add(ReportStep::Kind::EndDoc); }
    // A run of fixed lines, all starting at one column.
    template <std::size_t N> void Lines(int column, const std::array<std::string_view, N>& lines) {
        for (std::string_view line : lines)
            Line({{column, std::string(line)}});
    }

    ReportPage Take() { return std::move(page_); }

private:
    ReportStep& Add(ReportStep::Kind kind) {
        page_.steps.push_back(ReportStep{});
        page_.steps.back().kind = kind;
        return page_.steps.back();
    }
    ReportPage page_;
};

// Condensate of less than this (lb/h) counts as none on the report.
constexpr double kCondensateThreshold = 0.05;

} // namespace

std::vector<std::string> ReportPage::LineTexts() const {
    std::vector<std::string> lines;
    for (const ReportStep& step : steps) {
        if (step.kind != ReportStep::Kind::Line)
            continue;
        std::string text;
        for (const ReportCell& cell : step.cells) {
            if (!text.empty())
                text += ' ';
            text += cell.text;
        }
        lines.push_back(std::move(text));
    }
    return lines;
}

std::string WetBulbText(double wetBulbF, bool siUnits, const FormPort& port) {
    const double value = siUnits ? (wetBulbF - 32) / 1.8 : wetBulbF;
    return FormatPattern(value, "##0.0", port.DecimalPoint(), port.GroupSeparator()) +
           (siUnits ? "°C WB" : "°F WB");
}

ReportPage BuildReportPage(const DesignCase& dc, const FormPort& port,
                           const std::string& longDate) {
    auto text = [&port](const char* control) { return port.Text(control); };
    const std::string volumeUnit = text("lblscfm(0)");
    const std::string dryBulbUnit = text("lblFDB(0)"); // begins with its own blank
    const std::string moistureUnit = text("lblGrlb(0)");
    const std::string velocityUnit = text("lblFPM(0)");
    const std::string pressureUnit = text("lblInWC(0)");
    auto wetBulb = [&](double wb) { return WetBulbText(wb, dc.SIUnits, port); };

    PageWriter page;
    page.Picture(ReportPicture::Logo, 2.7, 0.5, 3.0, 0.79);
    page.Picture(ReportPicture::Schematic, 1.0, 3.45);

    page.Bold(true);
    page.FontName("arial");
    page.MoveTo(3.25, 1.4);
    page.FontSize(12);
    page.Line({{0, std::string(kReportTitle)}});

    page.FontSize(10);
    page.Bold(false);
    page.MoveTo(2.7, 1.6);
    page.Line({{0, std::string(kReportSubtitle)}});

    // Project data; bold stays on through the heat block.
    page.Bold(true);
    page.MoveTo(0, 2.0);
    page.Line();
    page.Line({{18, "Project:"}, {35, dc.Title}});
    page.Line({{18, "Date:  "}, {35, longDate}});
    page.Line();

    if (dc.CondS < kCondensateThreshold) {
        page.Line({{18, "Model Number: " + dc.ModelName}});
        page.Line({{18, "Rotor Depth:"},
                   {35, FormatPattern(dc.Depth, "###", port.DecimalPoint(), port.GroupSeparator()) +
                            " mm"}});
    } else {
        page.Line({{18, "Model Number: " + dc.ModelName + std::string(kParametersExceeded)}});
    }
    page.Line({{18, "Elevation:"}, {35, text("txtElev") + " " + text("lblElev")}});

    // Exhaust and return/mixed air, above the rotor.
    page.MoveTo(0, 3.3);
    page.Underline(true);
    page.Line({{23, "Exit Air"}, {93, "Return/Mixed Air"}});
    page.Underline(false);
    page.Line({{23, text("lblVea") + " " + volumeUnit}, {93, text("txtVra") + " " + volumeUnit}});
    page.Line({{23, text("lblTea") + dryBulbUnit}, {93, text("txtTra") + dryBulbUnit}});
    page.Line({{23, wetBulb(dc.WBea)}, {93, wetBulb(dc.WBra)}});
    page.Line(
        {{23, text("lblWea") + " " + moistureUnit}, {93, text("txtWra") + " " + moistureUnit}});
    if (dc.CondE > kCondensateThreshold)
        page.Line({{23, dc.Frost != 0 ? std::string("*Frost Warning*") : text("lblWeaCondensed")}});

    // Off-coil and supply air, below the rotor.
    page.MoveTo(0, 5.3);
    page.Underline(true);
    page.Line({{37, "Off-Coil Air"}, {92, "Supply Air"}});
    page.Underline(false);
    page.Line({{37, text("lblVoa") + " " + volumeUnit}, {92, text("txtVsa") + " " + volumeUnit}});
    page.Line({{37, text("txtToa") + dryBulbUnit}, {92, text("lblTsa") + dryBulbUnit}});
    page.Line({{37, wetBulb(dc.WBoa)}, {92, wetBulb(dc.WBsa)}});
    page.Line(
        {{37, text("txtWoa") + " " + moistureUnit}, {92, text("lblWsa") + " " + moistureUnit}});

    // Face velocities, pressure drops and moisture transfer beside the rotor.
    page.MoveTo(0, 2.9);
    page.Line({{57, text("lblVelE") + " " + velocityUnit}});
    page.Line({{57, text("lblDPr") + " " + pressureUnit}});
    page.MoveTo(0, 5.7);
    page.Line({{57, text("lblVels") + " " + velocityUnit}});
    page.Line({{57, text("lblDPs") + " " + pressureUnit}});
    page.Line({{57, text("lbldWh") + " " + text("lbllbh")}});

    page.MoveTo(0, 6.5);
    page.Underline(true);
    page.Line({{52, text("fmeHeat")}});
    page.Underline(false);
    page.Line({{53, "Sensible:"}, {66, text("lblHeatS")}});
    page.Line({{53, "Latent:"}, {67, text("lblHeatL")}});
    page.Line({{53, "Total:"}, {66, text("lblHeatT")}});

    // The paragraphs on the rotor media, frame and bearings: fixed texts,
    // broken and hyphenated exactly as written.
    constexpr int kParagraphColumn = 15;
    page.MoveTo(0, 7.5);
    page.Bold(false);
    page.FontSize(9);
    auto heading = [&](std::string_view caption) {
        page.Underline(true);
        page.Line({{kParagraphColumn, std::string(caption)}});
        page.Underline(false);
    };
    heading(kMediaHeading);
    page.Lines(kParagraphColumn, kMediaParagraph);
    heading(kFrameHeading);
    if (dc.Depth != 100)
        page.Lines(kParagraphColumn, kFrameParagraphSteel);
    else
        page.Lines(kParagraphColumn, kFrameParagraphStainless);
    heading(kBearingsHeading);
    page.Lines(kParagraphColumn, kBearingsParagraph);
    page.Line();

    // Contact block: address on the left, numbers on the right.
    page.FontSize(10);
    page.FontName("arial");
    page.MoveTo(0, 9.8);
    page.Bold(true);
    page.Line({{13, std::string(kCompanyName)}});
    page.Line({{13, std::string(kCompanyStreet)}});
    page.Line({{13, std::string(kCompanyCity)}});
    page.MoveTo(0, 9.8);
    page.Line({{83, std::string(kTelephoneCaption)}, {97, std::string(kTelephone)}});
    page.Line({{83, std::string(kFaxCaption)}, {97, std::string(kFax)}});
    page.Line({{83, std::string(kWebAddress)}});
    page.Bold(false);

    page.Bold(false);
    page.EndDoc();
    return page.Take();
}

} // namespace kestrix::report
