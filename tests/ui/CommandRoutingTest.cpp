// Menus, toolbar and shortcuts reach the commands of the command table; the
// toolbar routes by key; View > Toolbar; About.
#include "UiTestSupport.h"

#include "HelpViewer.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <stdexcept>

namespace kestrix::ui::test {
namespace {

class Commands : public LoadedWindow {
protected:
    // Fills every hook with a recorder of its name.
    void RecordAll() {
        struct Hook {
            std::function<void()>* hook;
            const char* name;
        };
        kestrix::ui::Commands& c = window->Cmds();
        for (const Hook& h :
             {Hook{&c.FileNew, "New"}, Hook{&c.FileOpen, "Open"}, Hook{&c.FileSave, "Save"},
              Hook{&c.FilePrint, "Print"}, Hook{&c.FileExportPdf, "ExportPdf"},
              Hook{&c.EditTitle, "Title"}, Hook{&c.EditCopy, "CopyExcel"},
              Hook{&c.EditCopyWord, "CopyWord"}, Hook{&c.Units, "Units"}, Hook{&c.Vol, "Vol"}}) {
            const std::string name = h.name;
            *h.hook = [this, name] { ran.push_back(name); };
        }
    }
    QAction* Action(const char* name) const { return Find<QAction>(name); }
    std::vector<std::string> ran;
};

TEST_F(Commands, MenuItemsHaveTheirCaptionsAndRunTheirHooks) {
    RecordAll();
    struct Row {
        const char* item;
        const char* caption;
        const char* hook; // nullptr: no hook runs
    };
    const Row rows[] = {
        {"mnuFileNew", "&New", "New"},
        {"mnuFileOpen", "&Open", "Open"},
        {"mnuFileClose", "&Close", nullptr},
        {"mnuFileSave", "&Save", "Save"},
        {"mnuFilePrint", "&Print", "Print"},
        {"mnuFileExportPdf", "&Export PDF…", "ExportPdf"},
        {"mnuEditTitle", "&Title", "Title"},
        {"mnuEditCopy", "&Copy (Excel)", "CopyExcel"},
        {"mnuEditCopyWord", "Copy (&Word)", "CopyWord"},
        {"mnuUnits", "&Main Units", "Units"},
        {"mnuVol", "&Air Flow Units", "Vol"},
    };
    for (const Row& row : rows) {
        ran.clear();
        QAction* action = Action(row.item);
        ASSERT_NE(action, nullptr) << row.item;
        EXPECT_EQ(action->text(), QString::fromUtf8(row.caption)) << row.item;
        action->trigger();
        EXPECT_EQ(ran, row.hook ? std::vector<std::string>{row.hook} : std::vector<std::string>{})
            << row.item;
    }
    EXPECT_EQ(Action("mnuFileSave")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(Action("mnuFilePrint")->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(Find<QMenu>("mnufile")->title(), "&File");
    EXPECT_EQ(Find<QMenu>("Help")->title(), "&Help");
}

TEST_F(Commands, CtrlSAndCtrlPWorkFromAnywhereInTheWindow) {
    RecordAll();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const char* focus : {"txtToa", "txtM", "lstRotor"}) {
        ran.clear();
        QWidget* widget = Find(focus);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(widget, Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(ran, (std::vector<std::string>{"Save", "Print"})) << focus;
    }
}

TEST_F(Commands, ToolbarRoutesByKeyCaseSensitively) {
    RecordAll();
    bool helpAsked = false;
    const std::pair<const char*, const char*> rows[] = {
        {"New", "New"},     {"Open", "Open"}, {"Save", "Save"},  {"Copy", "CopyExcel"},
        {"Print", "Print"}, {"new", nullptr}, {"Exit", nullptr}, {"", nullptr}};
    for (const auto& [key, hook] : rows) {
        ran.clear();
        window->tbToolBar_ButtonClick(key);
        EXPECT_EQ(ran, hook ? std::vector<std::string>{hook} : std::vector<std::string>{}) << key;
    }
    window->tbToolBar_ButtonClick("Help");
    helpAsked = OpenHelpViewer() && OpenHelpViewer()->HelpFile() == kProgramHelpFile;
    EXPECT_TRUE(helpAsked);
    CloseHelp();
}

TEST_F(Commands, ToolbarButtonsInOrderWithTheirTooltips) {
    QToolBar* bar = window->ToolBar();
    std::vector<std::string> keys;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator()) {
            keys.push_back("|");
            continue;
        }
        const QString key = action->data().toString();
        keys.push_back(key.toStdString());
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
        ASSERT_NE(button, nullptr);
        if (!QStringList{"New", "Open", "Copy", "Save", "Print", "Help"}.contains(key))
            continue; // a button of another window's command
        EXPECT_EQ(button->toolTip(), key == "Copy" ? QString() : key) << key.toStdString();
        EXPECT_EQ(button->icon().actualSize(QSize(16, 16)), QSize(16, 16));
    }
    // The program's own buttons come first, in this order; the chart's may follow.
    const std::vector<std::string> own{"New", "Open", "Copy", "Save", "|", "Print", "|", "Help"};
    ASSERT_GE(keys.size(), own.size());
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + own.size()), own);
}

TEST_F(Commands, ToolbarButtonClickRunsTheMenuCommand) {
    RecordAll();
    window->show();
    QApplication::processEvents();
    QToolBar* bar = window->ToolBar();
    for (QAction* action : bar->actions()) {
        const QString key = action->data().toString();
        if (!QStringList{"New", "Open", "Copy", "Save", "Print"}.contains(key))
            continue;
        ran.clear();
        QTest::mouseClick(bar->widgetForAction(action), Qt::LeftButton);
        EXPECT_EQ(ran.size(), 1u) << key.toStdString();
    }
}

TEST_F(Commands, ViewToolbarTwiceReturnsToTheStartingState) {
    window->show();
    QAction* item = Action("mnuViewToolbar");
    ASSERT_TRUE(item->isCheckable());
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(window->ToolBar()->isVisible());
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(window->ToolBar()->isVisible());
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(window->ToolBar()->isVisible());
}

TEST_F(Commands, AFailingCommandIsReportedAndTheWindowGoesOn) {
    window->Cmds().FileSave = [] { throw std::runtime_error("disk full"); };
    window->tbToolBar_ButtonClick("Save");
    ASSERT_EQ(Recorder->shown.size(), 1u);
    EXPECT_TRUE(Recorder->shown[0].text.contains("disk full"));
    EXPECT_TRUE(Recorder->shown[0].text.contains("Save"));
    window->CmdCalc_Click();
    EXPECT_TRUE(Current());
}

TEST_F(Commands, CalculatorAndDetailsControlsReachTheirHooks) {
    std::vector<std::string> events;
    kestrix::ui::Commands& c = window->Cmds();
    c.Calculate = [&] { events.push_back("calculate"); };
    c.PasteOffCoil = [&] { events.push_back("pasteP"); };
    c.PasteReturn = [&] { events.push_back("pasteR"); };
    c.UnitOptionClick = [&](int i) { events.push_back("opt" + std::to_string(i)); };
    c.DetailsDown = [&](int i) { events.push_back("down" + std::to_string(i)); };
    c.DetailsUp = [&](int i) { events.push_back("up" + std::to_string(i)); };
    QTest::mouseClick(Find<QPushButton>("cmdCalculate"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>("cmdPasteP"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>("cmdPasteR"), Qt::LeftButton);
    QTest::mouseClick(Find("optUnits(3)"), Qt::LeftButton, {}, QPoint(6, 8)); // on its circle
    QTest::mousePress(Find("imgDetails(1)"), Qt::RightButton);
    QTest::mouseRelease(Find("imgDetails(1)"), Qt::RightButton);
    EXPECT_EQ(events,
              (std::vector<std::string>{"calculate", "pasteP", "pasteR", "opt3", "down1", "up1"}));
}

TEST_F(Commands, AboutShowsTheVersionWithoutIcon) {
    Action("mnuAbout")->trigger();
    ASSERT_EQ(Recorder->shown.size(), 1u);
    EXPECT_EQ(Recorder->shown[0].title, "Vardane");
    EXPECT_EQ(Recorder->shown[0].text, "Version 1.2.3");
    EXPECT_EQ(Recorder->shown[0].kind, MessageKind::Information);
}

} // namespace
} // namespace kestrix::ui::test
