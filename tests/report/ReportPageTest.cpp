// The printed page as data: which lines the report writes, at which columns,
// in which font, for the cases that change the page (condensate, frost, rotor
// depth, unit system).
#include "report/ReportPage.h"
#include "report/ReportTexts.h"

#include "engine/HeadlessForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kestrix::report {
namespace {

using Kind = ReportStep::Kind;

struct PageCase {
    DesignCase dc;
    HeadlessForm port;
    PageCase() {
        dc.Title = "Riverside Clinic AHU-2";
        dc.ModelName = "RW36-200";
        dc.Depth = 200;
        dc.WBoa = 50;
        dc.WBsa = 52.5;
        dc.WBra = 62.26;
        dc.WBea = 58.6;
        const char* texts[][2] = {{"lblscfm(0)", "scfm"},
                                  {"lblFDB(0)", " °F DB"},
                                  {"lblGrlb(0)", "gr/lb"},
                                  {"lblFPM(0)", "afpm"},
                                  {"lblInWC(0)", "in.WC"},
                                  {"lblElev", "ft."},
                                  {"lbllbh", "lb H2O/h"},
                                  {"txtElev", "0"},
                                  {"txtToa", "50.0"},
                                  {"txtWoa", "51.8"},
                                  {"txtTra", "75.0"},
                                  {"txtWra", "65.0"},
                                  {"txtVsa", "600"},
                                  {"txtVra", "600"},
                                  {"lblVoa", "600"},
                                  {"lblVea", "600"},
                                  {"lblTsa", "58.3"},
                                  {"lblWsa", "42.1"},
                                  {"lblTea", "66.7"},
                                  {"lblWea", "74.7"},
                                  {"lblVels", "589"},
                                  {"lblDPs", "0.98"},
                                  {"lblVelE", "612"},
                                  {"lblDPr", "1.03"},
                                  {"lbldWh", "3.8"},
                                  {"lblHeatS", "-5,388"},
                                  {"lblHeatL", "4,005"},
                                  {"lblHeatT", "-1,384"},
                                  {"fmeHeat", "Heat Transfer, BTU/h"},
                                  {"lblWeaCondensed", "1.0 lb/h"}};
        for (const auto& text : texts)
            port.SetText(text[0], text[1]);
    }
    ReportPage Page() const { return BuildReportPage(dc, port, "Friday, December 11, 2026"); }
};

const ReportStep* FindLine(const ReportPage& page, const std::string& firstCell) {
    for (const ReportStep& step : page.steps)
        if (step.kind == Kind::Line && !step.cells.empty() && step.cells[0].text == firstCell)
            return &step;
    return nullptr;
}

// The lines written between two lines, exclusive.
std::vector<std::string> LinesBetween(const ReportPage& page, const std::string& after,
                                      const std::string& before) {
    const std::vector<std::string> lines = page.LineTexts();
    auto from = std::find_if(lines.begin(), lines.end(),
                             [&](const std::string& l) { return l.starts_with(after); });
    auto to = std::find_if(from, lines.end(),
                           [&](const std::string& l) { return l.starts_with(before); });
    if (from == lines.end())
        return {};
    return {from + 1, to};
}

TEST(ReportPage, LaysOutTheBlocksInOrderAtTheirPlaces) {
    const ReportPage page = PageCase().Page();
    std::vector<std::pair<double, double>> moves;
    std::vector<double> sizes;
    for (const ReportStep& step : page.steps) {
        if (step.kind == Kind::MoveTo)
            moves.emplace_back(step.x, step.y);
        if (step.kind == Kind::FontSize)
            sizes.push_back(step.size);
    }
    const std::vector<std::pair<double, double>> expectedMoves = {
        {3.25, 1.4}, {2.7, 1.6}, {0, 2.0}, {0, 3.3}, {0, 5.3}, {0, 2.9},
        {0, 5.7},    {0, 6.5},   {0, 7.5}, {0, 9.8}, {0, 9.8}};
    EXPECT_EQ(moves, expectedMoves);
    EXPECT_EQ(sizes, (std::vector<double>{12, 10, 9, 10}));

    ASSERT_GE(page.steps.size(), 2u);
    EXPECT_EQ(page.steps[0].kind, Kind::Picture);
    EXPECT_EQ(page.steps[0].picture, ReportPicture::Logo);
    EXPECT_EQ(page.steps[0].width, 3.0);
    EXPECT_EQ(page.steps[0].height, 0.79);
    EXPECT_EQ(page.steps[1].picture, ReportPicture::Schematic);
    EXPECT_EQ(page.steps[1].x, 1.0);
    EXPECT_EQ(page.steps[1].y, 3.45);
    EXPECT_EQ(page.steps[1].width, 0.0); // at its own size
    EXPECT_EQ(page.steps.back().kind, Kind::EndDoc);

    const ReportStep* project = FindLine(page, "Project:");
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(project->cells,
              (std::vector<ReportCell>{{18, "Project:"}, {35, "Riverside Clinic AHU-2"}}));
    const ReportStep* date = FindLine(page, "Date:  ");
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->cells[1], (ReportCell{35, "Friday, December 11, 2026"}));
    EXPECT_EQ(FindLine(page, "Elevation:")->cells[1], (ReportCell{35, "0 ft."}));
}

TEST(ReportPage, JoinsValuesToTheirUnitsAsTheWindowShowsThem) {
    const ReportPage page = PageCase().Page();
    // Dry bulbs take their caption's own leading blank; the rest get one blank.
    EXPECT_EQ(LinesBetween(page, "Exit Air", "Off-Coil Air"),
              (std::vector<std::string>{"600 scfm 600 scfm", "66.7 °F DB 75.0 °F DB",
                                        "58.6°F WB 62.3°F WB", "74.7 gr/lb 65.0 gr/lb"}));
    EXPECT_EQ(FindLine(page, "Exit Air")->cells,
              (std::vector<ReportCell>{{23, "Exit Air"}, {93, "Return/Mixed Air"}}));
    EXPECT_EQ(FindLine(page, "Off-Coil Air")->cells,
              (std::vector<ReportCell>{{37, "Off-Coil Air"}, {92, "Supply Air"}}));
    EXPECT_EQ(FindLine(page, "600 scfm")->cells[1].column, 93);
    EXPECT_EQ(FindLine(page, "50.0 °F DB")->cells,
              (std::vector<ReportCell>{{37, "50.0 °F DB"}, {92, "58.3 °F DB"}}));
    EXPECT_EQ(FindLine(page, "612 afpm")->cells[0].column, 57);
    EXPECT_NE(FindLine(page, "1.03 in.WC"), nullptr);
    EXPECT_NE(FindLine(page, "589 afpm"), nullptr);
    EXPECT_NE(FindLine(page, "0.98 in.WC"), nullptr);
    EXPECT_EQ(FindLine(page, "3.8 lb H2O/h")->cells[0].column, 57);

    EXPECT_EQ(FindLine(page, "Heat Transfer, BTU/h")->cells[0].column, 52);
    EXPECT_EQ(FindLine(page, "Sensible:")->cells,
              (std::vector<ReportCell>{{53, "Sensible:"}, {66, "-5,388"}}));
    EXPECT_EQ(FindLine(page, "Latent:")->cells,
              (std::vector<ReportCell>{{53, "Latent:"}, {67, "4,005"}}));
    EXPECT_EQ(FindLine(page, "Total:")->cells,
              (std::vector<ReportCell>{{53, "Total:"}, {66, "-1,384"}}));
}

struct ModelRow {
    const char* name;
    double condS;
    std::vector<std::string> lines; // between the date's empty line and "Elevation:"
};

TEST(ReportPage, ModelLinesShowTheDepthOnlyWithinTheProgramsParameters) {
    const ModelRow rows[] = {
        {"below the condensate limit", 0.04, {"Model Number: RW36-200", "Rotor Depth: 200 mm"}},
        {"at the limit",
         0.05,
         {"Model Number: RW36-200   Program Parameters Exceeded, Contact Korvane for "
          "Information"}},
    };
    for (const ModelRow& row : rows) {
        SCOPED_TRACE(row.name);
        PageCase page;
        page.dc.CondS = row.condS;
        const ReportPage built = page.Page();
        std::vector<std::string> lines = LinesBetween(built, "Date:", "Elevation:");
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), ""); // the empty line after the date
        lines.erase(lines.begin());
        EXPECT_EQ(lines, row.lines);
    }
}

struct CondensateRow {
    const char* name;
    double condE;
    int frost;
    std::vector<std::string> extra; // lines after the exhaust moisture line
};

TEST(ReportPage, CondensateLineUnderTheExhaustBlock) {
    const CondensateRow rows[] = {
        {"none at 0.05 lb/h", 0.05, 0, {}},
        {"condensate caption above 0.05", 0.06, 0, {"1.0 lb/h"}},
        {"frost replaces the caption", 0.06, 1, {"*Frost Warning*"}},
        {"frost without condensate prints nothing", 0.0, 1, {}},
    };
    for (const CondensateRow& row : rows) {
        SCOPED_TRACE(row.name);
        PageCase page;
        page.dc.CondE = row.condE;
        page.dc.Frost = static_cast<std::int16_t>(row.frost);
        const std::vector<std::string> lines =
            LinesBetween(page.Page(), "74.7 gr/lb", "Off-Coil Air");
        EXPECT_EQ(lines, row.extra);
        if (!row.extra.empty()) {
            EXPECT_EQ(FindLine(page.Page(), row.extra[0])->cells[0].column, 23);
        }
    }
}

TEST(ReportPage, WetBulbsInTheUnitsInForce) {
    const HeadlessForm port;
    EXPECT_EQ(WetBulbText(50, false, port), "50.0°F WB");
    EXPECT_EQ(WetBulbText(50, true, port), "10.0°C WB");
    EXPECT_EQ(WetBulbText(7.26, false, port), "7.3°F WB");
    EXPECT_EQ(WetBulbText(28, true, port), "-2.2°C WB");
    HeadlessForm comma;
    comma.SetSeparators(",", ".");
    EXPECT_EQ(WetBulbText(62.26, false, comma), "62,3°F WB");
}

TEST(ReportPage, FrameParagraphFollowsTheRotorDepth) {
    for (int depth : {100, 200, 50}) {
        SCOPED_TRACE(depth);
        PageCase page;
        page.dc.Depth = static_cast<std::int16_t>(depth);
        const std::vector<std::string> frame =
            LinesBetween(page.Page(), "Rotor Frame:", "Rotor Bearings:");
        std::vector<std::string> expected;
        if (depth == 100)
            expected.assign(kFrameParagraphStainless.begin(), kFrameParagraphStainless.end());
        else
            expected.assign(kFrameParagraphSteel.begin(), kFrameParagraphSteel.end());
        EXPECT_EQ(frame, expected);
    }
}

TEST(ReportPage, RotorParagraphsInNinePointRegularWithUnderlinedHeadings) {
    const ReportPage page = PageCase().Page();
    const auto media = std::find_if(page.steps.begin(), page.steps.end(), [](const auto& s) {
        return s.kind == Kind::Line && !s.cells.empty() && s.cells[0].text == "Rotor Media:";
    });
    ASSERT_NE(media, page.steps.end());
    // Underline is on right before each heading and off right after it.
    ASSERT_EQ((media - 1)->kind, Kind::Underline);
    EXPECT_TRUE((media - 1)->on);
    ASSERT_EQ((media + 1)->kind, Kind::Underline);
    EXPECT_FALSE((media + 1)->on);
    // Every paragraph line starts at column 15.
    for (auto step = media; step != page.steps.end(); ++step) {
        if (step->kind == Kind::FontSize)
            break;
        if (step->kind == Kind::Line && !step->cells.empty()) {
            EXPECT_EQ(step->cells[0].column, 15) << step->cells[0].text;
        }
    }
    EXPECT_EQ(LinesBetween(page, "Rotor Bearings:", "Korvane, Inc."),
              (std::vector<std::string>{std::string(kBearingsParagraph[0]),
                                        std::string(kBearingsParagraph[1]), ""}));
}

} // namespace
} // namespace kestrix::report
