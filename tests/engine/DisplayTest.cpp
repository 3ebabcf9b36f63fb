// The display texts: number patterns and captions of every result and input in
// IP and SI, actual volumes, the frost label and the face-velocity warning.
#include "Display.h"
#include "EngineRig.h"
#include "MoistAir.h"
#include "Texts.h"

#include <gtest/gtest.h>

#include <map>

namespace kestrix {
namespace {

using testing::Rig;

std::map<std::string, std::string> AsMap(const std::vector<ControlText>& texts) {
    std::map<std::string, std::string> m;
    for (const ControlText& t : texts)
        m[t.control] = t.text;
    return m;
}

DesignCase SampleCase() {
    DesignCase c;
    c.Patm = 14.696;
    c.Woa = 51.8;
    c.Toa = 50;
    c.Wra = 65;
    c.Tra = 75;
    c.Vsa = 1000;
    c.Vra = 600;
    c.Voa = 1000;
    c.Vea = 0;
    c.Elev = 1000;
    c.VelSa = 512.4;
    c.VelEa = 0;
    c.DPs = 0.314;
    c.DPr = 0;
    c.HeatS = 12345.6;
    c.HeatL = -2000.4;
    c.HeatT = 0;
    c.Tsa = 58.26;
    c.Wsa = 42.07;
    c.Tea = 66.66;
    c.Wea = 74.73;
    c.MoistRate = 3.749;
    c.ModelCaption = "Model: RW19-200";
    return c;
}

struct Row {
    const char* control;
    const char* ip;
    const char* si;
};

TEST(Display, ResultPatternsInBothUnitSystems) {
    const Row rows[] = {
        {"fmeHeat", "Heat Transfer, BTU/h", "Heat Transfer, Watts"},
        {"lblVels", "512", "2.60"},
        {"lblVelE", "", "0.00"}, // "####" of zero is empty
        {"lblWea", "74.7", "10.7"},
        {"lblVea", "", ""},
        {"lblVoa", "1,000", "1,699"},
        {"lblTsa", "58.3", "14.6"},
        {"lblTea", "66.7", "19.3"},
        {"lblWsa", "42.1", "6.0"},
        {"lbldWh", "3.7", "1.7"},
        {"lblDPs", "0.31", "78"},
        {"lblDPr", "0.00", ""},
        {"lblHeatS", "12,346", "3,617"},
        {"lblHeatL", "-2,000", "-586"},
        {"lblHeatT", "", ""},
        {"sbrStatus.Panel3", "Model: RW19-200", "Model: RW19-200"},
    };
    const DesignCase c = SampleCase();
    const auto ip = AsMap(ResultTexts(c, {}, false));
    const auto si = AsMap(ResultTexts(c, {}, true));
    EXPECT_EQ(ip.size(), std::size(rows));
    for (const Row& r : rows) {
        SCOPED_TRACE(r.control);
        EXPECT_EQ(ip.at(r.control), r.ip);
        EXPECT_EQ(si.at(r.control), r.si);
    }
}

TEST(Display, InputFieldsInBothUnitSystems) {
    const Row rows[] = {
        {"txtTitle", "Level 2 office", "Level 2 office"},
        {"txtWoa", "51.8", "7.4"},
        {"txtToa", "50.0", "10.0"},
        {"txtWra", "65.0", "9.3"},
        {"txtTra", "75.0", "23.9"},
        {"txtVsa", "1,000", "1,699"},
        {"txtVra", "600", "1,019"},
        {"txtElev", "1000", "305"},
    };
    DesignCase c = SampleCase();
    c.Title = "Level 2 office";
    const std::vector<ControlText> ip = InputFieldTexts(c, {}, false);
    const std::vector<ControlText> si = InputFieldTexts(c, {}, true);
    ASSERT_EQ(ip.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].control);
        // Written in this order, so the change handlers run in this order.
        EXPECT_EQ(ip[i].control, rows[i].control);
        EXPECT_EQ(ip[i].text, rows[i].ip);
        EXPECT_EQ(si[i].text, rows[i].si);
    }
    // A zero SI volume still shows a digit; a zero IP volume shows nothing.
    c.Vsa = 0;
    EXPECT_EQ(AsMap(InputFieldTexts(c, {}, true)).at("txtVsa"), "0");
    EXPECT_EQ(AsMap(InputFieldTexts(c, {}, false)).at("txtVsa"), "");
    // Fractional elevations stay exact in IP.
    c.Elev = 1234.5;
    EXPECT_EQ(AsMap(InputFieldTexts(c, {}, false)).at("txtElev"), "1234.5");
}

TEST(Display, ActualVolumesAreShownAtEachStreamsState) {
    DesignCase c = SampleCase();
    c.AcfmUnits = true;
    c.Vea = 600;
    const auto ip = AsMap(InputFieldTexts(c, {}, false));
    const auto res = AsMap(ResultTexts(c, {}, false));
    const auto shown = [&](double v, double T, double W) {
        return FormatNumber(v * SpecVolume(14.696, W, T) / 13.333, "###,###", {});
    };
    // The supply field at the supply state, not the off-coil state.
    EXPECT_EQ(ip.at("txtVsa"), shown(1000, c.Tsa, c.Wsa));
    EXPECT_EQ(ip.at("txtVra"), shown(600, c.Tra, c.Wra));
    EXPECT_EQ(res.at("lblVea"), shown(600, c.Tea, c.Wea));
    EXPECT_EQ(res.at("lblVoa"), shown(1000, c.Toa, c.Woa));
    // Warmer than standard air: a larger actual volume.
    EXPECT_GT(std::stod(ip.at("txtVra")), 600);
}

TEST(Display, UnitCaptions) {
    struct Caps {
        bool si, acfm;
        std::map<std::string, std::string> expected;
    };
    const Caps cases[] = {
        {false,
         false,
         {{"lblscfm(3)", "scfm"},
          {"lblFDB(0)", " °F DB"},
          {"lblGrlb(2)", "gr/lb"},
          {"lblInWC(1)", "in.WC"},
          {"lblFPM(0)", "afpm"},
          {"lblElev", "ft."},
          {"lbllbh", "lb H2O/h"},
          {"optUnits(0)", "°F Wet Bulb"},
          {"optUnits(1)", "°F Dew Point"},
          {"optUnits(3)", "lb/lb"},
          {"optUnits(4)", "gr/lb"},
          {"lblTii(0)", "°F"}}},
        {false, true, {{"lblscfm(0)", "acfm"}}},
        {true,
         false,
         {{"lblscfm(1)", "scmh"},
          {"lblFDB(3)", " °C DB"},
          {"lblGrlb(0)", "g/kg"},
          {"lblInWC(0)", "Pa"},
          {"lblFPM(1)", "am/s"},
          {"lblElev", "m"},
          {"lbllbh", "kg H2O/h"},
          {"optUnits(0)", "°C Wet Bulb"},
          {"optUnits(1)", "°C Dew Point"},
          {"optUnits(3)", "kg/kg"},
          {"optUnits(4)", "g/kg"},
          {"lblTii(0)", "°C"}}},
        {true, true, {{"lblscfm(2)", "acmh"}}},
    };
    for (const Caps& k : cases) {
        DesignCase c;
        c.SIUnits = k.si;
        c.AcfmUnits = k.acfm;
        const auto caps = AsMap(UnitCaptionTexts(c));
        EXPECT_EQ(caps.size(), 23u);
        EXPECT_EQ(caps.count("optUnits(2)"), 0u); // keeps "%RH"
        for (const auto& [control, text] : k.expected)
            EXPECT_EQ(caps.at(control), text) << control << (k.si ? " SI" : " IP");
    }
}

TEST(Display, FrostLabelFollowsTheFrostFlag) {
    Rig rig;
    ASSERT_TRUE(rig.Load(testing::WorkedExampleCatalogue()));
    for (const std::int16_t frost : {1, 0, 2}) {
        rig.Case().Frost = frost;
        rig.Form().FillCaptions();
        EXPECT_EQ(rig.Port().Visible("lblFrost"), frost == 1);
    }
}

TEST(Display, VelocityWarningShowsOncePerNewVelocityAbove800) {
    struct Step {
        double velS;
        bool warned;
    };
    const Step steps[] = {{800.0, false}, {800.1, true}, {800.1, false}, {900, true}, {500, false}};
    Rig rig;
    ASSERT_TRUE(rig.Load(testing::WorkedExampleCatalogue()));
    for (const Step& s : steps) {
        rig.Port().ClearMessages();
        rig.Case().VelS = s.velS;
        rig.Form().ShowResults();
        EXPECT_EQ(rig.MessageTexts(), s.warned ? std::vector<std::string>{text::kExcessiveVelocity}
                                               : std::vector<std::string>{})
            << s.velS;
        EXPECT_EQ(rig.Case().VelPrev, s.velS);
        EXPECT_FALSE(rig.Case().VelChanged);
    }
}

TEST(Display, BeforeTheFirstRunTheResultsAreZero) {
    DesignCase c;
    EXPECT_EQ(c.ModelCaption, "Model: RW48-100");
    EXPECT_EQ(c.Tsa, 0);
    const auto ip = AsMap(ResultTexts(c, {}, false));
    EXPECT_EQ(ip.at("lblTsa"), ".0");
    EXPECT_EQ(ip.at("lblHeatS"), "");
    EXPECT_EQ(ip.at("lblVels"), "");
}

} // namespace
} // namespace kestrix
