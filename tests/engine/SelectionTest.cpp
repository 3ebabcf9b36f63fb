// Rotor sizing and selection through the window's logic: the model list, the
// preferred model, the no-match fallbacks, an empty area window, and the list's
// selection handler with ListBusy.
#include "EngineRig.h"
#include "Texts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kestrix {
namespace {

using testing::Model;
using testing::Rig;

const std::vector<Model> kFourSizes = {{"RW27-200", 200, 4.0},
                                       {"RW33-200", 200, 6.0},
                                       {"RW41-200", 200, 9.0},
                                       {"RW48-200", 200, 12.6}};

// Loads the window; the start-up volume of 600 scfm is below the smallest of
// these rotors, so the load step's run took the minimum fallback. Its warning
// is not what the tests look at.
void Load(Rig& rig, const std::vector<Model>& models = kFourSizes) {
    ASSERT_TRUE(rig.Load(models));
    rig.Port().ClearMessages();
}

TEST(RotorSizing, ListsTheModelsBetween400And800FpmAndPicksTheFirstAt600OrLess) {
    Rig rig;
    Load(rig);
    rig.Type("txtVsa", "1,500");
    rig.Type("txtVra", "1,500");
    rig.Calc();
    const DesignCase& c = rig.Case();
    EXPECT_EQ(rig.Port().ListItems("lstRotor"), (std::vector<std::string>{"RW27-200", "RW33-200"}));
    EXPECT_DOUBLE_EQ(c.AreaLo, 3.75);
    EXPECT_DOUBLE_EQ(c.AreaHi, 7.5);
    EXPECT_EQ(rig.Port().ListIndex("lstRotor"), 1);
    EXPECT_EQ(c.ModelName, "RW33-200");
    EXPECT_DOUBLE_EQ(c.Area, 6.0);
    EXPECT_DOUBLE_EQ(c.VelS, 500);
    // The engine's own selection counts as a selection; no nested run started.
    EXPECT_EQ(c.SelMode, 1);
    EXPECT_TRUE(c.ListBusy);
    EXPECT_TRUE(rig.Port().Messages().empty());
}

TEST(RotorSizing, DisplayRewritingAVolumeAsksForSizingAgain) {
    // "1500" comes back as "1,500": a change of the field's text.
    Rig rig;
    Load(rig);
    rig.Type("txtVsa", "1500");
    rig.Calc();
    EXPECT_EQ(rig.Port().Text("txtVsa"), "1,500");
    EXPECT_EQ(rig.Case().SelMode, 0);
    EXPECT_EQ(rig.Case().ModelName, "RW33-200");
}

TEST(RotorSizing, PreferenceBoundariesAreInclusive) {
    struct Row {
        const char* name;
        const char* vsa;
        std::vector<std::string> list;
        const char* picked;
    };
    // Areas 4, 6, 9, 12.6 ft²: 1200 scfm runs 600 fpm on 4 ft² and 400 fpm on
    // 6 ft²; 2400 scfm runs 800 fpm on 6 ft² and 533 fpm on 9 ft².
    const Row rows[] = {
        {"exactly 600 fpm is preferred, 400 fpm listed",
         "1200",
         {"RW27-200", "RW33-200"},
         "RW27-200"},
        {"exactly 800 fpm stays listed", "2400", {"RW33-200", "RW41-200"}, "RW41-200"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Rig rig;
        Load(rig);
        rig.Type("txtVsa", r.vsa);
        rig.Calc();
        EXPECT_EQ(rig.Port().ListItems("lstRotor"), r.list);
        EXPECT_EQ(rig.Case().ModelName, r.picked);
    }
}

TEST(RotorSizing, PreviousOrSavedModelLaterInTheListWins) {
    // 1200 scfm lists 4 and 6 ft²; the preferred 4 ft² model is first.
    Rig rig;
    Load(rig);
    rig.Type("txtVsa", "1200");
    rig.Calc();
    ASSERT_EQ(rig.Case().ModelName, "RW27-200");
    // A project saved with the 6 ft² model: later in the list, it wins.
    rig.Case().SavedModel = "RW33-200";
    rig.Type("txtVsa", "1,200.0");
    rig.Calc();
    EXPECT_EQ(rig.Port().ListIndex("lstRotor"), 1);
    EXPECT_EQ(rig.Case().ModelName, "RW33-200");
    // Without it, the previous model (now the 6 ft²) still wins.
    rig.Case().SavedModel.clear();
    rig.Type("txtVsa", "1200");
    rig.Calc();
    EXPECT_EQ(rig.Case().ModelName, "RW33-200");
}

struct FallbackCase {
    const char* name;
    const char* vsa;
    const char* message;
    const char* model;
    double volume;
};

TEST(RotorSizing, NoMatchFallbacksWarnOnceAndCompleteTheRun) {
    const FallbackCase cases[] = {
        {"above the largest rotor", "100000", text::kNoMatchMax, "RW48-200", 12.6 * 400 - 0.5},
        {"below the smallest rotor", "1", text::kNoMatchMin, "RW27-200", 4.0 * 200 + 0.5},
    };
    for (const FallbackCase& k : cases) {
        SCOPED_TRACE(k.name);
        Rig rig;
        Load(rig);
        rig.Type("txtVsa", k.vsa);
        rig.Calc();
        const DesignCase& c = rig.Case();
        EXPECT_EQ(rig.MessageTexts(), std::vector<std::string>{k.message});
        EXPECT_DOUBLE_EQ(c.Vsa, k.volume);
        EXPECT_DOUBLE_EQ(c.Vra, k.volume);
        EXPECT_EQ(c.ModelName, k.model);
        EXPECT_EQ(rig.Port().ListItems("lstRotor"), std::vector<std::string>{k.model});
        EXPECT_EQ(rig.Port().ListIndex("lstRotor"), 0);
        EXPECT_DOUBLE_EQ(c.VolRatio, 1);
        EXPECT_EQ(c.Voa, c.Vsa);
        // The forced volume runs the rotor inside 400..800 fpm.
        EXPECT_GE(c.VelS, 400);
        EXPECT_LE(c.VelS, 800);
        EXPECT_FALSE(rig.Port().Enabled("CmdCalc"));

        // Calc again with the fields as shown: no second fallback.
        rig.Port().ClearMessages();
        rig.Type("txtToa", "51");
        rig.Calc();
        EXPECT_TRUE(rig.Port().Messages().empty());
        EXPECT_EQ(rig.Case().ModelName, k.model);
    }
}

TEST(RotorSizing, MinimumFallbackOnAnOddAreaStaysInsideTheWindow) {
    // 0.547 ft² × 200 fpm = 109.4 scfm: a volume just under it would be shown
    // as "109", 398.5 fpm, and the next Calc would fall back again.
    Rig rig;
    Load(rig, {{"RW10-100", 100, 0.547}, {"RW12-100", 100, 0.785}});
    rig.Type("txtVsa", "50");
    rig.Calc();
    EXPECT_EQ(rig.MessageTexts(), std::vector<std::string>{text::kNoMatchMin});
    EXPECT_DOUBLE_EQ(rig.Case().Vsa, 0.547 * 200 + 0.5);
    rig.Port().ClearMessages();
    rig.Type("txtToa", "51");
    rig.Calc();
    EXPECT_TRUE(rig.Port().Messages().empty()) << rig.MessageTexts().front();
}

TEST(RotorSizing, NestedFallbackRunLeavesTheOuterRunsResults) {
    Rig fallback;
    Load(fallback);
    fallback.Type("txtVsa", "100000");
    fallback.Calc();

    // The same volumes and model, reached by plain sizing.
    Rig direct;
    Load(direct);
    direct.Type("txtVsa", "5039.5");
    direct.Type("txtVra", "5039.5");
    direct.Calc();
    ASSERT_TRUE(direct.Port().Messages().empty());

    const DesignCase& a = fallback.Case();
    const DesignCase& b = direct.Case();
    EXPECT_EQ(a.ModelName, b.ModelName);
    EXPECT_DOUBLE_EQ(a.Vsa, b.Vsa);
    EXPECT_DOUBLE_EQ(a.Tsa, b.Tsa);
    EXPECT_DOUBLE_EQ(a.Wsa, b.Wsa);
    EXPECT_DOUBLE_EQ(a.Tea, b.Tea);
    EXPECT_DOUBLE_EQ(a.HeatT, b.HeatT);
    EXPECT_DOUBLE_EQ(a.VelSa, b.VelSa);
    EXPECT_DOUBLE_EQ(a.DPr, b.DPr);
}

TEST(RotorSizing, EmptyAreaWindowOffersTheModelNearest600Fpm) {
    // 1000 scfm: 2000 fpm on 1 ft², 200 fpm on 10 ft², nothing in between.
    Rig rig;
    Load(rig, {{"RW13-200", 200, 1.0}, {"RW43-200", 200, 10.0}});
    rig.Type("txtVsa", "1000");
    rig.Type("txtVra", "1000");
    rig.Calc();
    EXPECT_EQ(rig.MessageTexts(), std::vector<std::string>{text::kNoModelInWindow});
    EXPECT_EQ(rig.Port().ListItems("lstRotor"), std::vector<std::string>{"RW43-200"});
    EXPECT_EQ(rig.Port().ListIndex("lstRotor"), 0);
    EXPECT_EQ(rig.Case().ModelName, "RW43-200");
    EXPECT_DOUBLE_EQ(rig.Case().VelS, 200);
    EXPECT_TRUE(std::isfinite(rig.Case().Tsa));
}

TEST(ModelList, AClickAfterAutomaticSizingWaitsForTheNextRun) {
    Rig rig;
    Load(rig);
    rig.Type("txtVsa", "1,500");
    rig.Type("txtVra", "1,500");
    rig.Calc();
    ASSERT_TRUE(rig.Case().ListBusy);
    const double tsaSized = rig.Case().Tsa;

    // The user picks the 4 ft² model: recorded, no run.
    rig.Port().SetListIndex("lstRotor", 0);
    EXPECT_EQ(rig.Case().SelMode, 1);
    EXPECT_EQ(rig.Case().ModelName, "RW33-200");
    EXPECT_DOUBLE_EQ(rig.Case().Tsa, tsaSized);

    // The next run uses the pick.
    rig.Type("txtToa", "51");
    rig.Calc();
    EXPECT_EQ(rig.Case().ModelName, "RW27-200");
    EXPECT_DOUBLE_EQ(rig.Case().VelS, 750);
    EXPECT_FALSE(rig.Case().ListBusy);

    // After a run that used the list, a pick runs at once; the results stay
    // current.
    rig.Port().SetListIndex("lstRotor", 1);
    EXPECT_EQ(rig.Case().ModelName, "RW33-200");
    EXPECT_DOUBLE_EQ(rig.Case().VelS, 500);
    EXPECT_FALSE(rig.Port().Enabled("CmdCalc"));
    EXPECT_EQ(rig.Port().Text("sbrStatus.Panel3"), "Model: RW33-200");
}

TEST(ModelList, EditingAVolumeSizesAgain) {
    Rig rig;
    Load(rig);
    rig.Type("txtVsa", "1,500");
    rig.Calc();
    rig.Type("txtToa", "51");
    rig.Calc();                             // a run that used the list
    rig.Port().SetListIndex("lstRotor", 0); // pick 4 ft², runs at once
    ASSERT_EQ(rig.Case().ModelName, "RW27-200");
    rig.Type("txtVra", "1400");
    EXPECT_EQ(rig.Case().SelMode, 0);
    rig.Calc();
    // Sized again: the previous pick is listed before the preferred model.
    EXPECT_EQ(rig.Case().ModelName, "RW33-200");
}

} // namespace
} // namespace kestrix
