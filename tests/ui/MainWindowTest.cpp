// The main window's start-up, change tracking, Enter as the default button,
// the status panels, the model list and the shut-down step.
#include "UiTestSupport.h"

#include "FormPort.h"

#include <QApplication>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>

namespace kestrix::ui::test {
namespace {

using MainWindow = LoadedWindow;

TEST_F(MainWindow, StartUpShowsTheSeededInputsAndCurrentResults) {
    const std::pair<const char*, const char*> fields[] = {
        {"txtToa", "50.0"}, {"txtWoa", "51.8"}, {"txtTra", "75.0"}, {"txtWra", "65.0"},
        {"txtVsa", "600"},  {"txtVra", "600"},  {"txtElev", "0"}};
    for (const auto& [name, text] : fields)
        EXPECT_EQ(Find<QLineEdit>(name)->text(), text) << name;

    EXPECT_FALSE(Calc()->isEnabled());
    EXPECT_EQ(Panel3().toStdString(), window->Form().Case().ModelCaption);
    EXPECT_TRUE(Panel3().startsWith("Model: ")) << Panel3().toStdString();
    EXPECT_EQ(window->windowTitle(), kMainWindowTitle);
    EXPECT_TRUE(Recorder->shown.empty());
    // The logo waits for the splash; the results are already there.
    EXPECT_FALSE(window->Visible("Picture1(1)"));
    EXPECT_FALSE(Find<QLabel>("lblTsa")->text().isEmpty());
    EXPECT_GT(Find<QListWidget>("lstRotor")->count(), 0);
}

TEST_F(MainWindow, HasFixedDesignedSizeAndPlace) {
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(window->centralWidget()->size(), QSize(672, 402));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->pos(), QPoint(67, 67)); // 1000 twips from the left and top

    // Without a settings store the load step uses the same defaults.
    frmRotor bare(*component.Object());
    bare.Cmds().ReadSettings = nullptr;
    bare.Cmds().WindowPosition = nullptr;
    bare.Cmds().WriteSettings = nullptr;
    ASSERT_TRUE(bare.SetCaption(kMainWindowTitle));
    EXPECT_EQ(bare.pos(), QPoint(67, 67));
    EXPECT_EQ(bare.Text("txtToa"), "50.0");
}

TEST_F(MainWindow, TabGoesThroughTheInputsInTheDesignedOrder) {
    const char* order[] = {"txtToa",       "txtWoa",      "txtVra",      "txtTra",
                           "txtWra",       "txtElev",     "txtVsa",      "txtT",
                           "txtM",         "optUnits(0)", "optUnits(1)", "optUnits(2)",
                           "optUnits(3)",  "optUnits(4)", "cmdPasteR",   "cmdPasteP",
                           "cmdCalculate", "CmdCalc",     "lstRotor"};
    auto nextStop = [](QWidget* from) {
        QWidget* next = from->nextInFocusChain();
        while (next != from && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        return next;
    };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(nextStop(Find(order[i]))->objectName(), order[i + 1]) << "after " << order[i];
}

TEST_F(MainWindow, TypingIntoAnyInputMarksTheResultsStale) {
    for (const char* name :
         {"txtToa", "txtWoa", "txtTra", "txtWra", "txtVsa", "txtVra", "txtElev"}) {
        window->CmdCalc_Click();
        ASSERT_TRUE(Current()) << name;
        QTest::keyClick(Find<QLineEdit>(name), Qt::Key_1);
        EXPECT_TRUE(Calc()->isEnabled()) << name;
        EXPECT_EQ(Calc()->palette().color(QPalette::Button), QColor(255, 255, 0)) << name;
        EXPECT_EQ(Panel3(), "Requires Calculation") << name;
    }
    Recorder->shown.clear();
    window->CmdCalc_Click(); // elevation changed: its warning, then current again
    EXPECT_TRUE(Current());
    EXPECT_NE(Calc()->palette().color(QPalette::Button), QColor(255, 255, 0));
}

TEST_F(MainWindow, WritingTheTextAFieldAlreadyHoldsIsNoChange) {
    window->SetText("txtToa", "50.0");
    EXPECT_TRUE(Current());
    window->SetText("txtToa", "55");
    EXPECT_FALSE(Current());
}

TEST_F(MainWindow, EnterCalculatesOnlyWhileTheResultsAreStale) {
    QLineEdit* toa = Find<QLineEdit>("txtToa");
    // Current: a run would read the field back over this marker.
    window->Form().Case().Toa = 999;
    QTest::keyClick(toa, Qt::Key_Return);
    EXPECT_EQ(window->Form().Case().Toa, 999);

    toa->selectAll();
    QTest::keyClicks(toa, "55");
    ASSERT_FALSE(Current());
    QTest::keyClick(toa, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(window->Form().Case().Toa, 55);
    EXPECT_TRUE(Current());
}

TEST_F(MainWindow, AClickOnAnyStatusPanelCalculatesInAnyState) {
    for (int panel = 1; panel <= 3; ++panel) {
        ASSERT_TRUE(Current());
        window->Form().Case().Toa = 999;
        QLabel* label = Find<QLabel>(QStringLiteral("sbrStatus.Panel%1").arg(panel).toUtf8());
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_DOUBLE_EQ(window->Form().Case().Toa, 50) << "panel " << panel;
    }
}

TEST_F(MainWindow, DateAndTimePanelsShowTheClock) {
    EXPECT_FALSE(window->Text("sbrStatus.Panel1").empty());
    EXPECT_FALSE(window->Text("sbrStatus.Panel2").empty());
}

TEST_F(MainWindow, PickingAModelRunsTheListHandlerAtOnce) {
    auto* list = Find<QListWidget>("lstRotor");
    ASSERT_GE(list->count(), 2);
    window->Form().Case().SelMode = 0;
    list->setCurrentRow(list->currentRow() == 0 ? 1 : 0);
    EXPECT_EQ(window->Form().Case().SelMode, 1);
    // Emptying the list is no pick.
    window->Form().Case().SelMode = 0;
    window->ListClear("lstRotor");
    EXPECT_EQ(window->Form().Case().SelMode, 0);
    EXPECT_EQ(window->ListIndex("lstRotor"), -1);
    // Filling it selects nothing by itself; the first selection is a change.
    window->ListAdd("lstRotor", "RW19-100");
    window->ListAdd("lstRotor", "RW19-200");
    EXPECT_EQ(window->ListIndex("lstRotor"), -1);
    window->Form().Case().ListBusy = true; // as when the engine selects
    window->SetListIndex("lstRotor", 0);
    EXPECT_EQ(window->Form().Case().SelMode, 1);
    EXPECT_EQ(window->ListItem("lstRotor", 0), "RW19-100");
}

TEST_F(MainWindow, PortFindsControlsByTheirNames) {
    EXPECT_EQ(window->Text("Frame1(3)"), "Exit Air");
    EXPECT_EQ(window->Text("lblscfm(0)"), "scfm");
    EXPECT_EQ(window->Text("optUnits(2)"), "%RH");
    EXPECT_TRUE(window->Checked("optUnits(0)"));
    EXPECT_TRUE(window->Checked("mnuViewToolbar"));
    // A control of a window that is not built yet keeps its text for later.
    window->SetText("txtLater", "Plant 4");
    EXPECT_EQ(window->Text("txtLater"), "Plant 4");
    auto* later = new QLineEdit;
    window->RegisterControl("txtLater", later);
    EXPECT_EQ(later->text(), "Plant 4");
    delete later;
    EXPECT_EQ(window->Text("txtLater"), ""); // gone with its window
    // Unknown names are answered, never a crash.
    EXPECT_FALSE(window->Visible("noSuchControl"));
    window->SetVisible("noSuchControl", true);
    window->SetListIndex("lstRotor", 10000);
}

TEST_F(MainWindow, TheComponentRangeMessageReachesTheMessageBoxes) {
    hygrovex::_clsHygrovex& psych = *component.Object();
    psych.SI(false);
    psych.MoistUnitsI(hygrovex::kGrains);
    psych.MoistureI(0);
    psych.TemperatureI(95);
    psych.StandardUnitsI(true);
    psych.ElevationI(0);
    psych.Calculate();
    ASSERT_EQ(Recorder->shown.size(), 1u);
    EXPECT_EQ(Recorder->shown[0].title, "Error");
    EXPECT_EQ(Recorder->shown[0].kind, MessageKind::Warning); // exclamation icon
    EXPECT_EQ(Recorder->shown[0].helpFile, "psych.hlp");
    EXPECT_EQ(Recorder->shown[0].helpTopic, 600);
}

TEST_F(MainWindow, ShutDownWritesTheSettingsThenReleasesTheComponentOnce) {
    std::vector<std::string> steps;
    window->Cmds().WriteSettings = [&] { steps.push_back(releases == 0 ? "settings" : "late"); };
    window->show();
    window->mnuFileExit_Click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(steps, std::vector<std::string>{"settings"});
    EXPECT_EQ(releases, 1);
    window.reset();
    EXPECT_EQ(releases, 1);
}

} // namespace
} // namespace kestrix::ui::test
