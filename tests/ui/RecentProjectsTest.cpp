// The File menu's recent projects: the list rules, the store, and the menu
// entries of the real main window after Open and Save, across a restart, and
// when a listed file has gone.
#include "ProjectTestSupport.h"

#include "ProjectFile.h"
#include "RecentProjects.h"

#include <QAction>
#include <QFile>
#include <QMenu>

#include <string>
#include <vector>

namespace kestrix::ui::test {
namespace {

using List = std::vector<std::string>;

TEST(RecentProjectList, NewestGoesToTheTopWithoutRepeatsAndFiveAreKept) {
    struct Row {
        const char* what;
        List before;
        std::string path;
        List after;
    };
    const Row rows[] = {
        {"first entry", {}, "/p/a.pjt", {"/p/a.pjt"}},
        {"new on top", {"/p/a.pjt"}, "/p/b.pjt", {"/p/b.pjt", "/p/a.pjt"}},
        {"repeat moves up",
         {"/p/a.pjt", "/p/b.pjt", "/p/c.pjt"},
         "/p/c.pjt",
         {"/p/c.pjt", "/p/a.pjt", "/p/b.pjt"}},
        {"top stays top", {"/p/a.pjt", "/p/b.pjt"}, "/p/a.pjt", {"/p/a.pjt", "/p/b.pjt"}},
        {"sixth drops the oldest",
         {"/p/1.pjt", "/p/2.pjt", "/p/3.pjt", "/p/4.pjt", "/p/5.pjt"},
         "/p/6.pjt",
         {"/p/6.pjt", "/p/1.pjt", "/p/2.pjt", "/p/3.pjt", "/p/4.pjt"}},
        {"repeat in a full list keeps all five",
         {"/p/1.pjt", "/p/2.pjt", "/p/3.pjt", "/p/4.pjt", "/p/5.pjt"},
         "/p/5.pjt",
         {"/p/5.pjt", "/p/1.pjt", "/p/2.pjt", "/p/3.pjt", "/p/4.pjt"}},
        {"empty path changes nothing", {"/p/a.pjt"}, "", {"/p/a.pjt"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(WithRecentProject(row.before, row.path), row.after) << row.what;

    EXPECT_EQ(WithoutRecentProject({"/p/a.pjt", "/p/b.pjt", "/p/c.pjt"}, "/p/b.pjt"),
              (List{"/p/a.pjt", "/p/c.pjt"}));
    EXPECT_EQ(WithoutRecentProject({"/p/a.pjt"}, "/p/x.pjt"), (List{"/p/a.pjt"}));
    // A stored list edited by hand: gaps and repeats go, five at most.
    EXPECT_EQ(CleanRecentProjects({"", "/p/a.pjt", "/p/a.pjt", "/p/b.pjt", "", "/p/c.pjt",
                                   "/p/d.pjt", "/p/e.pjt", "/p/f.pjt"}),
              (List{"/p/a.pjt", "/p/b.pjt", "/p/c.pjt", "/p/d.pjt", "/p/e.pjt"}));
}

TEST(RecentProjectList, CaptionsAreNumberedFileNames) {
    EXPECT_EQ(RecentProjectCaption(0, "/home/ann/jobs/hall.pjt"), "&1 hall.pjt");
    EXPECT_EQ(RecentProjectCaption(4, "/x/y/z.pjt"), "&5 z.pjt");
    EXPECT_EQ(RecentProjectCaption(1, "plain.pjt"), "&2 plain.pjt");
    // An ampersand in the name shows as itself, not as a shortcut mark.
    EXPECT_EQ(RecentProjectCaption(2, "/p/Smith & Co.pjt"), "&3 Smith && Co.pjt");
}

TEST(RecentProjectStore, KeepsItsOwnValuesBesideTheSettings) {
    FreshSettings();
    WriteSetting(kSettingSIUnits, "True");
    WriteSetting(kSettingMainLeft, "2400");
    EXPECT_TRUE(ReadRecentProjects().empty());

    WriteRecentProjects({"/p/a.pjt", "/p/b.pjt", "/p/c.pjt"});
    EXPECT_EQ(ReadRecentProjects(), (List{"/p/a.pjt", "/p/b.pjt", "/p/c.pjt"}));
    WriteRecentProjects({"/p/d.pjt"});
    EXPECT_EQ(ReadRecentProjects(), (List{"/p/d.pjt"}));

    QSettings store("Kestrix", "Kestrix");
    EXPECT_EQ(store.value("RecentProjects/File1").toString(), "/p/d.pjt");
    EXPECT_FALSE(store.contains("RecentProjects/File2")); // the shorter list leaves no tail
    EXPECT_EQ(ReadSetting(kSettingSIUnits), "True");
    EXPECT_EQ(ReadSetting(kSettingMainLeft), "2400");

    // Values edited by hand are read soundly.
    store.setValue("RecentProjects/File1", "");
    store.setValue("RecentProjects/File2", "/p/e.pjt");
    store.setValue("RecentProjects/File3", "/p/e.pjt");
    store.sync();
    EXPECT_EQ(ReadRecentProjects(), (List{"/p/e.pjt"}));
    FreshSettings();
}

class RecentMenu : public ProjectWindow {
protected:
    QMenu* FileMenu() const { return window->findChild<QMenu*>("mnufile"); }
    QAction* Entry(int index) const {
        return window->findChild<QAction*>(QStringLiteral("mnuRecent(%1)").arg(index));
    }
    // The visible recent entries' captions, top first.
    std::vector<QString> Captions() const {
        std::vector<QString> captions;
        for (int i = 0; i < kRecentProjectCount; ++i)
            if (Entry(i) && Entry(i)->isVisible())
                captions.push_back(Entry(i)->text());
        return captions;
    }
    // A valid project file with its own title.
    void Project(const char* name, const QString& title) {
        SetTitle(title);
        SaveAs(Path(name));
        ASSERT_TRUE(Recorder->shown.empty()) << Recorder->shown[0].text.toStdString();
    }
};

TEST_F(RecentMenu, SitsAboveExitAndIsHiddenWhileEmpty) {
    QMenu* file = FileMenu();
    ASSERT_NE(file, nullptr);
    std::vector<QString> order;
    for (QAction* action : file->actions())
        order.push_back(action->objectName().isEmpty() && action->isSeparator()
                            ? QString("-")
                            : action->objectName());
    const std::vector<QString> expected = {
        "mnuFileNew",   "mnuFileOpen",      "mnuFileClose",       "mnuFileSave",  "-",
        "mnuFilePrint", "mnuFileExportPdf", "mnuFileExportChart", "mnuRecentBar", "mnuRecent(0)",
        "mnuRecent(1)", "mnuRecent(2)",     "mnuRecent(3)",       "mnuRecent(4)", "-",
        "mnuFileExit"};
    EXPECT_EQ(order, expected);
    EXPECT_TRUE(Captions().empty());
    EXPECT_FALSE(window->findChild<QAction*>("mnuRecentBar")->isVisible());

    Project("one.pjt", "One");
    EXPECT_TRUE(window->findChild<QAction*>("mnuRecentBar")->isVisible());
}

TEST_F(RecentMenu, OpenAndSaveMoveTheFileToTheTopAndTheListSurvivesARestart) {
    Project("a.pjt", "A");
    Project("b.pjt", "B");
    EXPECT_EQ(Captions(), (std::vector<QString>{"&1 b.pjt", "&2 a.pjt"}));
    EXPECT_EQ(Entry(0)->statusTip(), Path("b.pjt"));
    EXPECT_EQ(Entry(0)->toolTip(), Path("b.pjt"));

    OpenFile(Path("a.pjt"));
    ASSERT_TRUE(Recorder->shown.empty());
    EXPECT_EQ(Captions(), (std::vector<QString>{"&1 a.pjt", "&2 b.pjt"}));

    // Save names the file without ".pjt"; the list holds the file written.
    SaveAs(Path("c"));
    EXPECT_EQ(Captions(), (std::vector<QString>{"&1 c.pjt", "&2 a.pjt", "&3 b.pjt"}));
    EXPECT_EQ(Entry(0)->statusTip(), Path("c.pjt"));

    // A cancelled dialog and a failed save leave the list alone.
    SaveAs("");
    OpenFile("");
    SaveAs(Path("no-such-folder/d.pjt"));
    ASSERT_EQ(Recorder->shown.size(), 1u);
    EXPECT_EQ(Captions().size(), 3u);
    Recorder->shown.clear();

    for (const char* name : {"d.pjt", "e.pjt", "f.pjt"})
        Project(name, name);
    EXPECT_EQ(Captions(),
              (std::vector<QString>{"&1 f.pjt", "&2 e.pjt", "&3 d.pjt", "&4 c.pjt", "&5 a.pjt"}));

    Restart();
    EXPECT_EQ(Captions(),
              (std::vector<QString>{"&1 f.pjt", "&2 e.pjt", "&3 d.pjt", "&4 c.pjt", "&5 a.pjt"}));
    EXPECT_EQ(Entry(4)->statusTip(), Path("a.pjt"));
}

TEST_F(RecentMenu, ChoosingAnEntryOpensItAsOpenDoes) {
    Type("txtToa", "52.5");
    Type("txtWoa", "55.0");
    Type("txtVsa", "1200");
    Type("txtVra", "1000");
    window->CmdCalc_Click();
    ASSERT_TRUE(Recorder->shown.empty()) << Recorder->shown[0].text.toStdString();
    Project("hall.pjt", "Hall");
    Type("txtVsa", "900");
    window->CmdCalc_Click();
    Recorder->shown.clear();
    Project("other.pjt", "Other");

    OpenFile(Path("hall.pjt"));
    ASSERT_TRUE(Recorder->shown.empty());
    const auto opened = Snapshot();
    OpenFile(Path("other.pjt"));
    ASSERT_NE(Snapshot(), opened);
    ASSERT_EQ(Captions(), (std::vector<QString>{"&1 other.pjt", "&2 hall.pjt"}));

    const auto asked = dialogs->asked.size();
    Entry(1)->trigger();
    EXPECT_TRUE(Recorder->shown.empty());
    EXPECT_EQ(dialogs->asked.size(), asked); // no dialog
    EXPECT_EQ(Snapshot(), opened);
    EXPECT_EQ(Captions(), (std::vector<QString>{"&1 hall.pjt", "&2 other.pjt"}));
}

TEST_F(RecentMenu, AFileThatCannotBeOpenedIsReportedAsOpenDoesAndLeavesTheList) {
    Project("gone.pjt", "Gone");
    Project("bad.pjt", "Bad");
    Project("kept.pjt", "Kept");
    ASSERT_EQ(Captions(), (std::vector<QString>{"&1 kept.pjt", "&2 bad.pjt", "&3 gone.pjt"}));
    {
        QFile bad(Path("bad.pjt"));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
        bad.write("not a project\r\n");
    }
    ASSERT_TRUE(QFile::remove(Path("gone.pjt")));
    const auto before = Snapshot();

    struct Row {
        int entry;
        const char* name;
    };
    for (const Row row : {Row{2, "gone.pjt"}, Row{1, "bad.pjt"}}) {
        Recorder->shown.clear();
        Entry(row.entry)->trigger();
        ASSERT_EQ(Recorder->shown.size(), 1u) << row.name;
        const ShownMessage message = Recorder->shown[0];
        EXPECT_EQ(message.kind, MessageKind::Warning);
        // Open's own message for the same file.
        const auto expected = OpenProjectFile(Path(row.name).toStdString());
        ASSERT_TRUE(std::holds_alternative<std::string>(expected));
        EXPECT_EQ(message.text, QString::fromStdString(std::get<std::string>(expected)));
        EXPECT_EQ(Snapshot(), before) << row.name;
    }
    EXPECT_EQ(Captions(), (std::vector<QString>{"&1 kept.pjt"}));
    Restart();
    EXPECT_EQ(Captions(), (std::vector<QString>{"&1 kept.pjt"}));
}

} // namespace
} // namespace kestrix::ui::test
