// The main window's logic over a headless form: the load step, change
// tracking and the current/stale marking, the Calc command with its elevation
// warning, SI entry and the icing warning.
#include "EngineRig.h"
#include "MoistAir.h"
#include "Texts.h"
#include "Units.h"

#include <gtest/gtest.h>

namespace kestrix {
namespace {

using testing::Rig;

constexpr std::uint32_t kYellow = 0xFFFF00;

// Records the fields as they stand when the calculator is seeded, which is
// after the load step's display and before its first run.
TEST(LoadStep, WritesTheStartUpInputsThenCalculatesAndLeavesTheResultsCurrent) {
    Rig rig;
    std::vector<std::string> before;
    rig.Form().SeedCalculator = [&] {
        for (const char* f :
             {"txtToa", "txtWoa", "txtTra", "txtWra", "txtVsa", "txtVra", "txtElev"})
            before.push_back(rig.Port().Text(f));
    };
    ASSERT_TRUE(rig.Load(testing::WorkedExampleCatalogue()));
    EXPECT_EQ(before,
              (std::vector<std::string>{"50.0", "51.8", "75.0", "65.0", "600", "600", "0"}));
    EXPECT_FALSE(rig.Port().Enabled("CmdCalc"));
    EXPECT_EQ(rig.Port().BackColor("CmdCalc"), FormPort::kButtonFace);
    EXPECT_EQ(rig.Port().Text("sbrStatus.Panel3"), "Model: RW19-200");
    EXPECT_EQ(rig.Port().Text("lblscfm(0)"), "scfm");
    EXPECT_EQ(rig.Case().SelMode, 1);
    EXPECT_TRUE(rig.Port().Messages().empty());
    // The load step's own write of "0" into the elevation field is no change.
    EXPECT_FALSE(rig.Form().ElevChanged);
    rig.Type("txtToa", "51");
    rig.Calc();
    EXPECT_TRUE(rig.Port().Messages().empty());
}

TEST(LoadStep, WithoutACalculatorWritesItsSeeds) {
    for (const bool si : {false, true}) {
        Rig rig;
        ASSERT_TRUE(rig.Load(testing::WorkedExampleCatalogue(), {si, false}));
        EXPECT_EQ(rig.Port().Text("txtM"), si ? "23.9" : "75");
        EXPECT_EQ(rig.Port().Text("txtT"), si ? "35" : "95");
    }
}

TEST(ChangeTracking, EveryInputFieldMarksTheResultsStale) {
    for (const char* field :
         {"txtToa", "txtWoa", "txtTra", "txtWra", "txtVsa", "txtVra", "txtElev"}) {
        SCOPED_TRACE(field);
        Rig rig;
        ASSERT_TRUE(rig.Load(testing::WorkedExampleCatalogue()));
        rig.Type(field, rig.Port().Text(field) + "1");
        EXPECT_TRUE(rig.Port().Enabled("CmdCalc"));
        EXPECT_EQ(rig.Port().BackColor("CmdCalc"), kYellow);
        EXPECT_EQ(rig.Port().Text("sbrStatus.Panel3"), "Requires Calculation");
        const bool volume = std::string(field) == "txtVsa" || std::string(field) == "txtVra";
        EXPECT_EQ(rig.Case().SelMode, volume ? 0 : 1);
        EXPECT_EQ(rig.Form().ElevChanged, std::string(field) == "txtElev");
    }
}

TEST(ChangeTracking, WritingTheSameTextIsNoChange) {
    Rig rig;
    ASSERT_TRUE(rig.Load(testing::WorkedExampleCatalogue()));
    rig.Type("txtVsa", "600");
    rig.Type("txtElev", "0");
    EXPECT_FALSE(rig.Port().Enabled("CmdCalc"));
    EXPECT_EQ(rig.Case().SelMode, 1);
    EXPECT_FALSE(rig.Form().ElevChanged);
}

TEST(CalcCommand, ElevationChangeWarnsOnce) {
    Rig rig;
    ASSERT_TRUE(rig.Load(testing::WorkedExampleCatalogue()));
    rig.Type("txtElev", "5000");
    rig.Calc();
    EXPECT_EQ(rig.MessageTexts(), std::vector<std::string>{text::kElevation});
    EXPECT_EQ(rig.Port().Messages()[0].title, "Warning");
    EXPECT_NEAR(rig.Case().Patm, 12.0508, 1e-4);
    EXPECT_DOUBLE_EQ(rig.Case().Elev, 5000);
    EXPECT_FALSE(rig.Form().ElevChanged);
    EXPECT_FALSE(rig.Port().Enabled("CmdCalc"));
    // The next Calc shows no warning unless the elevation changed again.
    rig.Port().ClearMessages();
    rig.Type("txtToa", "51");
    rig.Calc();
    EXPECT_TRUE(rig.Port().Messages().empty());
}

TEST(CalcCommand, OneRunAfterAnElevationChangeAlreadyUsesTheNewPressure) {
    Rig rig;
    ASSERT_TRUE(rig.Load(testing::WorkedExampleCatalogue()));
    rig.Type("txtElev", "5000");
    rig.Form().RunCalc();
    EXPECT_NEAR(rig.Case().Patm, PressureAtElevation(5000), 1e-12);
    const double tsaOne = rig.Case().Tsa;
    // The second run of the Calc command gives the same results.
    rig.Form().RunCalc();
    EXPECT_DOUBLE_EQ(rig.Case().Tsa, tsaOne);
    // The saturation limit and humidities follow the site pressure.
    EXPECT_NEAR(rig.Case().WsatOa, SatMoist(50, PressureAtElevation(5000)), 1e-9);
}

TEST(CalcCommand, ElevationRewrittenByTheDisplayCountsAsAChange) {
    // "1000.0" is shown back as "1000": the change sets the flag again, and the
    // Calc command's warning and second run follow.
    Rig rig;
    ASSERT_TRUE(rig.Load(testing::WorkedExampleCatalogue()));
    rig.Type("txtElev", "1000.0");
    rig.Calc();
    EXPECT_EQ(rig.Port().Text("txtElev"), "1000");
    EXPECT_EQ(rig.MessageTexts(), std::vector<std::string>{text::kElevation});
    EXPECT_FALSE(rig.Form().ElevChanged);
}

TEST(CalcCommand, IcingWarningShowsOncePerCalcCommandOnly) {
    Rig rig;
    ASSERT_TRUE(rig.Load({{"RW19-200", 200, 2.0}, {"RW21-200", 200, 2.5}}));
    // Cold, dry return air: the exhaust comes out supersaturated below 32 °F.
    rig.Type("txtToa", "25");
    rig.Type("txtWoa", "18");
    rig.Type("txtTra", "25");
    rig.Type("txtWra", "5");
    rig.Calc();
    const DesignCase& c = rig.Case();
    EXPECT_EQ(rig.MessageTexts(),
              (std::vector<std::string>{text::kToaMin, text::kToaAboveTra, text::kIcing}));
    EXPECT_EQ(c.Frost, 1);
    EXPECT_LE(c.Tea, 32);
    EXPECT_GE(c.CondE, 0.05);
    EXPECT_FALSE(c.FrostMsgDue);
    EXPECT_TRUE(rig.Port().Visible("lblFrost"));
    EXPECT_FALSE(rig.Port().Visible("lblWeaCondensed"));
    EXPECT_FALSE(rig.Port().Visible("lblCondensate"));

    // A run started by a list pick shows frost but not the warning.
    rig.Port().ClearMessages();
    rig.Port().SetListIndex("lstRotor", 1);
    ASSERT_EQ(c.ModelName, "RW21-200");
    EXPECT_EQ(c.Frost, 1);
    EXPECT_EQ(rig.MessageTexts(), (std::vector<std::string>{text::kToaMin, text::kToaAboveTra}));

    // The next Calc command may warn again.
    rig.Port().ClearMessages();
    rig.Calc();
    EXPECT_EQ(rig.MessageTexts().back(), text::kIcing);
}

TEST(SiEntry, FieldsAreConvertedToInchPound) {
    Rig rig;
    ASSERT_TRUE(rig.Load(testing::WorkedExampleCatalogue(), {true, false}));
    rig.Type("txtToa", "10");
    rig.Type("txtWoa", "7.0");
    rig.Type("txtTra", "24");
    rig.Type("txtWra", "9.3");
    rig.Type("txtVsa", "1699");
    rig.Type("txtVra", "1699");
    rig.Type("txtElev", "0");
    rig.Form().RunCalc();
    const DesignCase& c = rig.Case();
    EXPECT_DOUBLE_EQ(c.Toa, 50);
    EXPECT_DOUBLE_EQ(c.Woa, 49);
    EXPECT_DOUBLE_EQ(c.Tra, 75.2);
    EXPECT_NEAR(c.Wra, 65.1, 1e-12);
    EXPECT_DOUBLE_EQ(c.Vsa, 1000);
    EXPECT_DOUBLE_EQ(c.Vra, 1000);
    EXPECT_EQ(c.Elev, 0);
    // An elevation in metres comes back unchanged.
    rig.Type("txtElev", "305");
    rig.Form().RunCalc();
    EXPECT_EQ(rig.Port().Text("txtElev"), "305");
    EXPECT_NEAR(c.Elev, 305 / 0.3048, 1e-9);
}

TEST(SiEntry, LocaleSeparatorsAreUsedBothWays) {
    Rig rig;
    rig.Port().SetSeparators(",", ".");
    ASSERT_TRUE(rig.Load(testing::WorkedExampleCatalogue()));
    EXPECT_EQ(rig.Port().Text("txtWoa"), "51,8");
    rig.Type("txtVsa", "1.200");
    rig.Type("txtToa", "52,5");
    rig.Calc();
    EXPECT_DOUBLE_EQ(rig.Case().Vsa, 1200);
    EXPECT_DOUBLE_EQ(rig.Case().Toa, 52.5);
    EXPECT_EQ(rig.Port().Text("txtVsa"), "1.200");
    EXPECT_TRUE(rig.Port().Messages().empty());
}

} // namespace
} // namespace kestrix
