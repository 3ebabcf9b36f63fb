// The Main Units and Air Flow Units dialogs in the real main window: OK
// applies the choice (and resets the moisture calculator), Cancel only hides,
// and the option buttons keep what was chosen.
#include "ProjectTestSupport.h"

namespace kestrix::ui::test {
namespace {

using UnitDialogs = ProjectWindow;

TEST_F(UnitDialogs, AreModelessWithTheirDesignedControls) {
    window->mnuUnits_Click();
    EXPECT_TRUE(MainUnits().isVisible());
    EXPECT_FALSE(MainUnits().isModal());
    EXPECT_EQ(MainUnits().windowTitle(), "Main Units");
    EXPECT_EQ(In<QGroupBox>(MainUnits(), "Frame1")->title(), "Units");
    EXPECT_EQ(In<QRadioButton>(MainUnits(), "optUnits(0)")->text(), "IP (English)");
    EXPECT_EQ(In<QRadioButton>(MainUnits(), "optUnits(1)")->text(), "SI (metric)");
    EXPECT_EQ(MainUnits().size(), QSize(234, 74)); // 3510 x 1110 twips

    window->mnuVol_Click();
    EXPECT_TRUE(AirFlow().isVisible());
    EXPECT_FALSE(AirFlow().isModal());
    EXPECT_EQ(AirFlow().windowTitle(), "Air Flow Units");
    EXPECT_EQ(In<QRadioButton>(AirFlow(), "optVUnits(0)")->text(), "Standard (scfm)");
    EXPECT_EQ(In<QRadioButton>(AirFlow(), "optVUnits(1)")->text(), "Actual (acfm)");
    EXPECT_TRUE(In<QRadioButton>(AirFlow(), "optVUnits(0)")->isChecked());
    // The main window stays usable while both are open.
    window->CmdCalc_Click();
    EXPECT_TRUE(Current());
}

TEST_F(UnitDialogs, SwitchingToMetricChangesCaptionsAndResetsTheCalculator) {
    Find<QLineEdit>("txtT")->setText("88");
    QTest::mouseClick(Find<QRadioButton>("optUnits(2)"), Qt::LeftButton);
    ChooseMainUnits(true);

    EXPECT_FALSE(MainUnits().isVisible());
    EXPECT_TRUE(window->Form().Case().SIUnits);
    const std::pair<const char*, const char*> captions[] = {{"lblscfm(0)", "scmh"},
                                                            {"lblFDB(0)", " °C DB"},
                                                            {"lblGrlb(0)", "g/kg"},
                                                            {"lblElev", "m"},
                                                            {"fmeHeat", "Heat Transfer, Watts"}};
    for (const auto& [control, caption] : captions)
        EXPECT_EQ(Shown(control), QString::fromUtf8(caption)) << control;
    EXPECT_EQ(Shown("txtToa"), "10.0");
    EXPECT_TRUE(Find<QRadioButton>("optUnits(0)")->isChecked());
    EXPECT_EQ(Shown("txtT"), "23.9");
    EXPECT_EQ(Shown("txtM"), "15.6");
    EXPECT_EQ(Shown("lblAnswer"), "7.6 g/kg");
    EXPECT_TRUE(Current());
}

TEST_F(UnitDialogs, ConfirmingInchPoundAgainStillResetsTheCalculator) {
    Find<QLineEdit>("txtT")->setText("88");
    Find<QLineEdit>("txtM")->setText("70");
    ChooseMainUnits(false);
    EXPECT_FALSE(window->Form().Case().SIUnits);
    EXPECT_EQ(Shown("txtT"), "75.0");
    EXPECT_EQ(Shown("txtM"), "60.0");
    EXPECT_EQ(Shown("lblAnswer"), "53.2 gr/lb");
    EXPECT_TRUE(Current());
}

TEST_F(UnitDialogs, CancelHidesAndTheCancelledChoiceStaysShown) {
    const auto before = Snapshot();
    window->mnuUnits_Click();
    Click(MainUnits(), "optUnits(1)");
    Click(MainUnits(), "CancelButton");
    EXPECT_FALSE(MainUnits().isVisible());
    EXPECT_FALSE(window->Form().Case().SIUnits);
    EXPECT_EQ(Shown("lblGrlb(0)"), "gr/lb");

    window->mnuVol_Click();
    Click(AirFlow(), "optVUnits(1)");
    Click(AirFlow(), "CancelButton");
    EXPECT_FALSE(AirFlow().isVisible());
    EXPECT_FALSE(window->Form().Case().AcfmUnits);
    EXPECT_EQ(Shown("lblscfm(0)"), "scfm");

    auto after = Snapshot();
    EXPECT_EQ(after["frmPref SI"], "yes");
    EXPECT_EQ(after["dlgOptions actual"], "yes");
    after["frmPref SI"] = before.at("frmPref SI");
    after["dlgOptions actual"] = before.at("dlgOptions actual");
    EXPECT_EQ(after, before);

    // Reopened, the dialogs show what was chosen and cancelled.
    window->mnuUnits_Click();
    EXPECT_TRUE(In<QRadioButton>(MainUnits(), "optUnits(1)")->isChecked());
    window->mnuVol_Click();
    EXPECT_TRUE(In<QRadioButton>(AirFlow(), "optVUnits(1)")->isChecked());
}

TEST_F(UnitDialogs, ActualVolumesAreShownAtEachStreamsState) {
    const QString standardSupply = Shown("txtVsa");
    const QString calculatorAnswer = Shown("lblAnswer");
    ChooseAirFlow(true);
    EXPECT_FALSE(AirFlow().isVisible());
    EXPECT_TRUE(window->Form().Case().AcfmUnits);
    for (int i = 0; i < 4; ++i) {
        const std::string name = "lblscfm(" + std::to_string(i) + ")";
        EXPECT_EQ(Shown(name.c_str()), "acfm") << name;
    }
    // Return air at 75 °F is lighter than standard air: a larger actual volume.
    EXPECT_GT(Shown("txtVra").remove(',').toDouble(), 600);
    EXPECT_NE(Shown("txtVsa"), standardSupply);
    EXPECT_EQ(Shown("lblAnswer"), calculatorAnswer); // the calculator is not reset
    EXPECT_DOUBLE_EQ(window->Form().Case().Vsa, 600);
    EXPECT_TRUE(Current());

    ChooseAirFlow(false);
    EXPECT_EQ(Shown("lblscfm(0)"), "scfm");
    EXPECT_EQ(Shown("txtVsa"), standardSupply);
    EXPECT_DOUBLE_EQ(window->Form().Case().Vsa, 600);
}

class UnitDialogsFromSettings : public ProjectWindow {
protected:
    bool StoreSettings() override {
        QSettings store(kSettingsApplication, kSettingsApplication);
        store.setValue("Settings/SIUnits", "True");
        store.setValue("Settings/acfm", "True");
        return true;
    }
};

TEST_F(UnitDialogsFromSettings, TheLoadStepSetsTheOptionsFromTheSettings) {
    EXPECT_TRUE(In<QRadioButton>(MainUnits(), "optUnits(1)")->isChecked());
    EXPECT_TRUE(In<QRadioButton>(AirFlow(), "optVUnits(1)")->isChecked());
    EXPECT_EQ(Shown("lblscfm(0)"), "acmh");
    // OK without a change keeps metric units.
    window->mnuUnits_Click();
    Click(MainUnits(), "OKButton");
    EXPECT_TRUE(window->Form().Case().SIUnits);
}

} // namespace
} // namespace kestrix::ui::test
