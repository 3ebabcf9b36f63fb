// What the user may type: unreadable fields, impossible volumes and
// elevations, volumes in actual units, and thousands of random field texts.
#include "Display.h"
#include "EngineRig.h"
#include "Texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace kestrix {
namespace {

using testing::Rig;

struct FieldCase {
    const char* field;
    const char* text;
    const char* message;
};

TEST(FieldReading, AnUnreadableFieldStopsTheRunWithOneWarningNamingIt) {
    const FieldCase cases[] = {
        {"txtToa", "", "Off-coil air temperature must be a number."},
        {"txtWoa", "abc", "Off-coil air moisture must be a number."},
        {"txtWra", "-3", "Return/mixed air moisture must not be negative."},
        {"txtTra", "-500",
         "Return/mixed air temperature must be a temperature above absolute zero."},
        {"txtTra", "1e999", "Return/mixed air temperature must be a number."},
        {"txtVsa", "0", "Supply air volume must be a number greater than zero."},
        {"txtVsa", "-600", "Supply air volume must be a number greater than zero."},
        {"txtVsa", "1,2,3", "Supply air volume must be a number greater than zero."},
        {"txtVra", "nan", "Return/mixed air volume must be a number greater than zero."},
        {"txtVra", "inf", "Return/mixed air volume must be a number greater than zero."},
        {"txtElev", "", "Elevation must be a number between -2,000 and 20,000 ft."},
        {"txtElev", "30000", "Elevation must be a number between -2,000 and 20,000 ft."},
        {"txtElev", "-2500", "Elevation must be a number between -2,000 and 20,000 ft."},
    };
    for (const FieldCase& k : cases) {
        SCOPED_TRACE(std::string(k.field) + " = '" + k.text + "'");
        Rig rig;
        ASSERT_TRUE(rig.Load(testing::WorkedExampleCatalogue()));
        const DesignCase before = rig.Case();
        const std::string tsaShown = rig.Port().Text("lblTsa");
        rig.Type("txtToa", "52"); // a good edit beside the bad one is not taken either
        rig.Type(k.field, k.text);
        rig.Calc();
        EXPECT_EQ(rig.MessageTexts(), std::vector<std::string>{k.message});
        EXPECT_EQ(rig.Case().Toa, before.Toa);
        EXPECT_EQ(rig.Case().Tsa, before.Tsa);
        EXPECT_EQ(rig.Case().Vsa, before.Vsa);
        EXPECT_EQ(rig.Port().Text("lblTsa"), tsaShown);
        EXPECT_EQ(rig.Port().Text(k.field), k.text); // the user's text stays for editing
        EXPECT_TRUE(rig.Port().Enabled("CmdCalc"));
        EXPECT_EQ(rig.Port().Text("sbrStatus.Panel3"), "Requires Calculation");
    }
}

TEST(FieldReading, SiElevationLimitsAreInMetres) {
    Rig rig;
    ASSERT_TRUE(rig.Load(testing::WorkedExampleCatalogue(), {true, false}));
    rig.Type("txtElev", "6100");
    rig.Calc();
    EXPECT_EQ(rig.MessageTexts(),
              std::vector<std::string>{"Elevation must be a number between -610 and 6,096 m."});
    rig.Port().ClearMessages();
    rig.Type("txtElev", "6,096");
    rig.Form().RunCalc();
    EXPECT_TRUE(rig.Port().Messages().empty());
}

TEST(ActualVolumes, RepeatedCalcKeepsTheVolumes) {
    for (const bool si : {false, true}) {
        SCOPED_TRACE(si ? "SI" : "IP");
        Rig rig;
        ASSERT_TRUE(rig.Load(testing::WorkedExampleCatalogue(), {si, true}));
        EXPECT_EQ(rig.Port().Text("lblscfm(0)"), si ? "acmh" : "acfm");
        for (int i = 0; i < 5; ++i) {
            rig.Type("txtToa", i % 2 ? (si ? "10.5" : "51") : (si ? "11" : "52"));
            rig.Calc();
            EXPECT_DOUBLE_EQ(rig.Case().Vsa, 600);
            EXPECT_DOUBLE_EQ(rig.Case().Vra, 600);
        }
        // The supply field shows the actual volume at the supply state.
        const double shown = 600 * ActualVolumeRatio(rig.Case(), rig.Case().Tsa, rig.Case().Wsa) *
                             (si ? 1.699 : 1.0);
        EXPECT_EQ(rig.Port().Text("txtVsa"), FormatNumber(shown, si ? "###,##0" : "###,###", {}));
    }
}

TEST(ActualVolumes, ATypedActualVolumeBecomesStandardAtTheShownState) {
    Rig rig;
    ASSERT_TRUE(rig.Load(testing::WorkedExampleCatalogue(), {false, true}));
    rig.Calc();
    const double ratioSupply = ActualVolumeRatio(rig.Case(), rig.Case().Tsa, rig.Case().Wsa);
    const double ratioReturn = ActualVolumeRatio(rig.Case(), rig.Case().Tra, rig.Case().Wra);
    rig.Type("txtVsa", "700");
    rig.Type("txtVra", "650");
    rig.Calc();
    EXPECT_NEAR(rig.Case().Vsa, 700 / ratioSupply, 1e-9);
    EXPECT_NEAR(rig.Case().Vra, 650 / ratioReturn, 1e-9);
    // Shown back, and read back, without drift.
    const double vsa = rig.Case().Vsa;
    rig.Type("txtToa", "51");
    rig.Calc();
    EXPECT_DOUBLE_EQ(rig.Case().Vsa, vsa);
}

bool Finite(const DesignCase& c) {
    for (double v :
         {c.Toa,  c.Woa,  c.Tra,   c.Wra,   c.Vsa,   c.Vra,       c.Elev,  c.Patm,  c.RHoa,
          c.RHra, c.Tsa,  c.Wsa,   c.Tea,   c.Wea,   c.VelS,      c.VelE,  c.VelSa, c.VelEa,
          c.DPs,  c.DPr,  c.HeatS, c.HeatT, c.HeatL, c.MoistRate, c.CondS, c.CondE, c.WBoa,
          c.WBsa, c.WBra, c.WBea,  c.Area,  c.dWs,   c.dTs,       c.Hads,  c.EffS})
        if (!std::isfinite(v))
            return false;
    return true;
}

TEST(FieldReading, RandomFieldTextsNeverBreakARun) {
    std::mt19937 rng(20261211);
    const char* garbage[] = {"",    " ",    "abc",  "1,2", "--5",        "1e400",  "-1e400", "NaN",
                             "inf", "0x10", "1..2", "١٢",  "12,345,678", "1e-400", "+",      "."};
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const auto number = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng);
    };
    const auto text = [&](double lo, double hi) -> std::string {
        // Mostly numbers in range, so that many runs complete.
        switch (pick(20)) {
        case 0:
            return garbage[pick(std::size(garbage))];
        case 1:
            return "0";
        case 2:
            return std::to_string(-number(0, 1e6));
        case 3:
            return std::to_string(number(0, 1e12));
        default:
            return std::to_string(number(lo, hi));
        }
    };
    const std::vector<testing::Model> catalogue = {
        {"RW10-100", 100, 0.55},  {"RW19-200", 200, 2.0},  {"RW32-200", 200, 5.6},
        {"RW48-100", 100, 12.57}, {"RW60-150", 150, 19.6}, {"RW96-200", 200, 50.3}};
    Rig rig;
    ASSERT_TRUE(rig.Load(catalogue));
    int completed = 0;
    for (int i = 0; i < 3000; ++i) {
        rig.Type("txtToa", text(-40, 130));
        rig.Type("txtWoa", text(-5, 300));
        rig.Type("txtTra", text(-40, 130));
        rig.Type("txtWra", text(-5, 300));
        rig.Type("txtVsa", text(1, 200000));
        rig.Type("txtVra", text(1, 200000));
        rig.Type("txtElev", text(-3000, 25000));
        if (pick(10) == 0 && rig.Port().ListCount("lstRotor") > 0)
            rig.Port().SetListIndex("lstRotor", pick(rig.Port().ListCount("lstRotor")));
        else
            rig.Calc();
        ASSERT_TRUE(Finite(rig.Case())) << "step " << i;
        completed += rig.Port().Enabled("CmdCalc") ? 0 : 1;
        for (const auto& [control, shown] : rig.Port().Texts()) {
            if (HeadlessForm::IsTextField(control))
                continue; // what the user typed
            ASSERT_TRUE(shown.find("NaN") == std::string::npos &&
                        shown.find("Inf") == std::string::npos)
                << control << " = " << shown << " at step " << i;
        }
        rig.Port().ClearMessages();
    }
    // Enough of the runs went all the way through the model to mean something.
    EXPECT_GT(completed, 300);
}

} // namespace
} // namespace kestrix
