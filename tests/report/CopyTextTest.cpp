// The clipboard texts of Edit > Copy (Excel) and Copy (Word): every cell, TAB
// and line feed of both layouts in both unit systems, the condensate row in
// the unit its caption names, and the start-up case as the program copies it.
#include "StartupForm.h"
#include "report/CopyResults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace kestrix::report {
namespace {

std::vector<std::string> Rows(const std::string& text) {
    std::vector<std::string> rows;
    std::string row;
    std::istringstream in(text);
    while (std::getline(in, row))
        rows.push_back(row);
    return rows;
}

std::vector<std::string> Cells(const std::string& row) {
    std::vector<std::string> cells;
    std::string cell;
    std::istringstream in(row);
    while (std::getline(in, cell, '\t'))
        cells.push_back(cell);
    if (!row.empty() && row.back() == '\t')
        cells.push_back("");
    return cells;
}

// A calculated case as the window shows it, in IP or SI units.
struct ShownCase {
    DesignCase dc;
    HeadlessForm port;
    ShownCase(bool si, bool acfm) {
        dc.ModelName = "RW36-200";
        dc.SIUnits = si;
        dc.AcfmUnits = acfm;
        dc.Woa = 51.8;
        dc.Wsa = 42.14;
        dc.Wra = 65;
        dc.Wea = 74.66;
        dc.CondE = 2.0;
        const std::map<std::string, std::string> ip = {
            {"lblVels", "589"},    {"lblDPs", "0.98"},     {"lblVelE", "612"},
            {"lblDPr", "1.03"},    {"lbldWh", "3.8"},      {"lblHeatS", "-5,388"},
            {"lblHeatL", "4,005"}, {"lblHeatT", "-1,384"}, {"lblVoa", "600"},
            {"txtVsa", "600"},     {"txtVra", "600"},      {"lblVea", "600"},
            {"txtToa", "50"},      {"lblTsa", "58.3"},     {"txtTra", "75.0"},
            {"lblTea", "66.7"},    {"txtWoa", "51.8"},     {"lblWsa", "42.1"},
            {"txtWra", "65.0"},    {"lblWea", "74.7"}};
        const std::map<std::string, std::string> metric = {
            {"lblVels", "2.99"},   {"lblDPs", "244"},    {"lblVelE", "3.11"},
            {"lblDPr", "256"},     {"lbldWh", "1.7"},    {"lblHeatS", "-1,579"},
            {"lblHeatL", "1,173"}, {"lblHeatT", "-406"}, {"lblVoa", "1,019"},
            {"txtVsa", "1,019"},   {"txtVra", "1,019"},  {"lblVea", "1,019"},
            {"txtToa", "10"},      {"lblTsa", "14.6"},   {"txtTra", "23.9"},
            {"lblTea", "19.3"},    {"txtWoa", "7.4"},    {"lblWsa", "6.0"},
            {"txtWra", "9.3"},     {"lblWea", "10.7"}};
        for (const auto& [control, text] : si ? metric : ip)
            port.SetText(control, text);
    }
};

struct LayoutRow {
    const char* name;
    bool si;
    bool acfm;
    int excelFormat;
    const char* expected;
};

// Row 9 carries CondE = 2.0 lb/h: 2.0 in IP, 0.9 kg/h in SI. The off-coil
// temperature field holds "50" / "10" and is copied re-formatted as 50.0 / 10.0.
const LayoutRow kLayouts[] = {
    {"spreadsheet_ip", false, false, kExcelLayout,
     "Model RW36-200\n\n"
     "Supply Side Velocity, afpm\t\t\t589\n"
     "Supply Side Pressure Drop, in. WC\t\t\t0.98\n"
     "Exhaust Side Velocity, afpm\t\t\t612\n"
     "Exhaust Side Pressure Drop, in. WC\t\t\t1.03\n"
     "Moisture Transfer, lb/h\t\t\t3.8\n"
     "Exhaust Side Condensate, lb/h\t\t\t2.0\n\n"
     "\t\tHeat Transfer, BTU/h\n"
     "Sensible Exchange\t\t-5,388\n"
     "Latent Exchange\t\t4,005\n"
     "Total Exchange\t\t-1,384\n\n"
     "\t\tOff-Coil\tSupply\tReturn/Mixed\tExhaust\n"
     "Volume, scfm\t\t600\t600\t600\t600\n"
     "DB Temp,°F\t\t50.0\t58.3\t75.0\t66.7\n"
     "Moisture, gr/lb\t\t51.8\t42.1\t65.0\t74.7"},
    {"spreadsheet_si_actual", true, true, kExcelLayout,
     "Model RW36-200\n\n"
     "Supply Side Velocity, m/s\t\t\t2.99\n"
     "Supply Side Pressure Drop, Pa\t\t\t244\n"
     "Exhaust Side Velocity, m/s\t\t\t3.11\n"
     "Exhaust Side Pressure Drop, Pa\t\t\t256\n"
     "Moisture Transfer, kg/h\t\t\t1.7\n"
     "Return Side Condensate, kg/h\t\t\t0.9\n\n"
     "\t\tE Unbal.\tWatts\n"
     "Sensible Exchange\t\t\t-1,579\n"
     "Latent Exchange\t\t\t1,173\n"
     "Total Exchange\t\t\t-406\n\n"
     "\t\tOff-Coil\tSupply\tReturn/Mixed\tExhaust\n"
     "Volume, acmh\t\t1,019\t1,019\t1,019\t1,019\n"
     "DB Temp,°C\t\t10.0\t14.6\t23.9\t19.3\n"
     "g/kg\t\t7.4\t6.0\t9.3\t10.7"},
    {"word_ip_actual", false, true, kWordLayout,
     "Model RW36-200\n\n"
     "Supply Side Velocity, afpm\t\t\t589\n"
     "Supply Side Pressure Drop, in. WC\t\t0.98\n"
     "Exhaust Side Velocity, afpm\t\t\t612\n"
     "Exhaust Side Pressure Drop, in. WC\t\t1.03\n"
     "Moisture Transfer, lb/h\t\t\t3.8\n"
     "Exhaust Side Condensate, lb/h\t\t2.0\n\n"
     "\t\t\t\tHeat Transfer, BTU/h\n"
     "Sensible Exchange\t\t-5,388\n"
     "Latent Exchange\t\t4,005\n"
     "Total Exchange\t\t-1,384\n\n"
     "\t\t\tOutdr\tSupply\tReturn/Mixed\tExhaust\n"
     "Volume, acfm\t\t600\t600\t600\t600\n"
     "DB Temp,°F\t\t50.0\t58.3\t75.0\t66.7\n"
     "gr/lb\t\t51.8\t42.1\t65.0\t74.7"},
    {"word_si", true, false, 7, // any value but 1 selects the word-processor layout
     "Model RW36-200\n\n"
     "Supply Side Velocity, m/s\t\t\t2.99\n"
     "Supply Side Pressure Drop, Pa\t\t244\n"
     "Exhaust Side Velocity, m/s\t\t\t3.11\n"
     "Exhaust Side Pressure Drop, Pa\t\t256\n"
     "Moisture Transfer, kg/h\t\t\t1.7\n"
     "Exhaust Side Condensate, kg/h\t\t0.9\n\n"
     "\t\t\t\tHeat Transfer, Watts\n"
     "Sensible Exchange\t\t-1,579\n"
     "Latent Exchange\t\t1,173\n"
     "Total Exchange\t\t-406\n\n"
     "\t\t\tOutdr\tSupply\tReturn/Mixed\tExhaust\n"
     "Volume, scmh\t\t1,019\t1,019\t1,019\t1,019\n"
     "DB Temp,°C\t\t10.0\t14.6\t23.9\t19.3\n"
     "g/kg\t\t7.4\t6.0\t9.3\t10.7"},
};

class CopyLayout : public ::testing::TestWithParam<LayoutRow> {};

TEST_P(CopyLayout, EveryCellTabAndLineFeed) {
    const LayoutRow& row = GetParam();
    ShownCase shown(row.si, row.acfm);
    EXPECT_EQ(BuildCopyText(shown.dc, shown.port, row.excelFormat), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Layouts, CopyLayout, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CopyText, EmptyTrailingCellsAreLeftOutButInnerOnesKeepTheirTab) {
    // An exhaust volume of 0 shows the empty text: row 20 then ends after the
    // return/mixed volume; an empty supply temperature keeps its TAB.
    ShownCase shown(false, false);
    shown.port.SetText("lblVea", "");
    shown.port.SetText("lblTsa", "");
    const std::vector<std::string> rows = Rows(BuildCopyText(shown.dc, shown.port, kExcelLayout));
    ASSERT_EQ(rows.size(), 18u);
    EXPECT_EQ(rows[15], "Volume, scfm\t\t600\t600\t600");
    EXPECT_EQ(rows[16], "DB Temp,°F\t\t50.0\t\t75.0\t66.7");
}

TEST(CopyText, CommaDecimalLocaleReadsAndWritesWithItsSeparators) {
    ShownCase shown(false, false);
    shown.port.SetSeparators(",", ".");
    shown.port.SetText("txtToa", "50,04");
    shown.dc.CondE = 1.25;
    const std::vector<std::string> rows = Rows(BuildCopyText(shown.dc, shown.port, kExcelLayout));
    EXPECT_EQ(rows[7], "Exhaust Side Condensate, lb/h\t\t\t1,3");
    EXPECT_EQ(Cells(rows[16])[2], "50,0");
    EXPECT_EQ(rows[17], "Moisture, gr/lb\t\t51,8\t42,1\t65,0\t74,7");
}

// The start-up case, calculated by the engine as the program does it.
struct StartupRow {
    const char* name;
    bool si;
    bool acfm;
    int excelFormat;
    const char* heatHeader;      // row 14 as copied
    const char* columnHeader;    // row 19
    const char* volumeCaption;   // row 20, cell A
    const char* moistureCaption; // row 22, cell A
};

const StartupRow kStartup[] = {
    {"spreadsheet_ip", false, false, kExcelLayout, "\t\tHeat Transfer, BTU/h",
     "\t\tOff-Coil\tSupply\tReturn/Mixed\tExhaust", "Volume, scfm", "Moisture, gr/lb"},
    {"spreadsheet_ip_actual", false, true, kExcelLayout, "\t\tHeat Transfer, BTU/h",
     "\t\tOff-Coil\tSupply\tReturn/Mixed\tExhaust", "Volume, acfm", "Moisture, gr/lb"},
    {"spreadsheet_si", true, false, kExcelLayout, "\t\tE Unbal.\tWatts",
     "\t\tOff-Coil\tSupply\tReturn/Mixed\tExhaust", "Volume, scmh", "g/kg"},
    {"word_ip", false, false, kWordLayout, "\t\t\t\tHeat Transfer, BTU/h",
     "\t\t\tOutdr\tSupply\tReturn/Mixed\tExhaust", "Volume, scfm", "gr/lb"},
    {"word_si_actual", true, true, kWordLayout, "\t\t\t\tHeat Transfer, Watts",
     "\t\t\tOutdr\tSupply\tReturn/Mixed\tExhaust", "Volume, acmh", "g/kg"},
};

class StartupCopy : public ::testing::TestWithParam<StartupRow> {};

TEST_P(StartupCopy, CarriesTheWindowsTextsInItsLayout) {
    const StartupRow& row = GetParam();
    testing::StartupForm startup(row.si, row.acfm);
    const std::string text = CopyResults(startup.form, row.excelFormat).value();
    const HeadlessForm& port = startup.port;

    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 17);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');

    const std::vector<std::string> rows = Rows(text);
    ASSERT_EQ(rows.size(), 18u);
    EXPECT_EQ(rows[0], "Model " + startup.form.Case().ModelName);
    EXPECT_FALSE(startup.form.Case().ModelName.empty());
    EXPECT_EQ(rows[1], "");
    EXPECT_EQ(Cells(rows[2]).back(), port.Text("lblVels"));
    EXPECT_EQ(Cells(rows[3]).back(), port.Text("lblDPs"));
    EXPECT_EQ(Cells(rows[4]).back(), port.Text("lblVelE"));
    EXPECT_EQ(Cells(rows[5]).back(), port.Text("lblDPr"));
    EXPECT_EQ(Cells(rows[6]).back(), port.Text("lbldWh"));
    EXPECT_EQ(Cells(rows[7]).back(), "0.0"); // no condensate at start-up
    EXPECT_EQ(rows[8], "");
    EXPECT_EQ(rows[9], row.heatHeader);
    EXPECT_EQ(Cells(rows[10]).back(), port.Text("lblHeatS"));
    EXPECT_EQ(Cells(rows[12]).back(), port.Text("lblHeatT"));
    EXPECT_EQ(rows[13], "");
    EXPECT_EQ(rows[14], row.columnHeader);
    const std::vector<std::string> volumes = Cells(rows[15]);
    ASSERT_GE(volumes.size(), 5u);
    EXPECT_EQ(volumes[0], row.volumeCaption);
    EXPECT_EQ(volumes[2], port.Text("lblVoa"));
    EXPECT_EQ(volumes[3], port.Text("txtVsa"));
    EXPECT_EQ(volumes[4], port.Text("txtVra"));
    const std::vector<std::string> temperatures = Cells(rows[16]);
    ASSERT_EQ(temperatures.size(), 6u);
    EXPECT_EQ(temperatures[0], row.si ? "DB Temp,°C" : "DB Temp,°F");
    EXPECT_EQ(temperatures[2], port.Text("txtToa"));
    EXPECT_EQ(temperatures[3], port.Text("lblTsa"));
    EXPECT_EQ(temperatures[5], port.Text("lblTea"));
    const std::vector<std::string> moistures = Cells(rows[17]);
    ASSERT_EQ(moistures.size(), 6u);
    EXPECT_EQ(moistures[0], row.moistureCaption);
    if (row.si) {
        EXPECT_EQ(moistures[2], port.Text("txtWoa"));
        EXPECT_EQ(moistures[5], port.Text("lblWea"));
    } else {
        EXPECT_EQ(moistures[2], "51.8");
        EXPECT_EQ(moistures[4], "65.0");
    }
    EXPECT_TRUE(port.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Layouts, StartupCopy, ::testing::ValuesIn(kStartup),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CopyResults, CalculatesTheInputsTypedSinceTheLastRunFirst) {
    testing::StartupForm startup;
    startup.port.SetText("txtToa", "52");
    const std::vector<std::string> rows = Rows(CopyResults(startup.form, kExcelLayout).value());
    EXPECT_EQ(Cells(rows[16])[2], "52.0");
    EXPECT_DOUBLE_EQ(startup.form.Case().Toa, 52.0);
    // The copy leaves the window current, as the Calc command does.
    EXPECT_FALSE(startup.port.Enabled("CmdCalc"));
}

TEST(CopyResults, NothingWhenTheInputsCannotBeCalculated) {
    testing::StartupForm startup;
    startup.port.SetText("txtVsa", "six hundred");
    EXPECT_EQ(CopyResults(startup.form, kExcelLayout), std::nullopt);
    EXPECT_FALSE(startup.port.Messages().empty()); // the warning names the field
}

TEST(CopyResults, RunningTwiceGivesTheSameText) {
    testing::StartupForm startup;
    EXPECT_EQ(CopyResults(startup.form, kExcelLayout).value(),
              CopyResults(startup.form, kExcelLayout).value());
}

} // namespace
} // namespace kestrix::report
