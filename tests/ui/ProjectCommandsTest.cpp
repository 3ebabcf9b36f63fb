// File > New, Edit > Title, File > Save and File > Open in the real main
// window: what the user sees, what the file holds, and that a bad file or a
// failed save changes nothing.
#include "ProjectTestSupport.h"

#include "ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace kestrix::ui::test {
namespace {

using ProjectFiles = ProjectWindow;

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

TEST_F(ProjectFiles, SaveThenOpenGivesBackTheProjectWithFreshResults) {
    Type("txtToa", "52.5");
    Type("txtWoa", "55.0");
    Type("txtVsa", "1200");
    Type("txtVra", "1000");
    Type("txtElev", "500");
    window->CmdCalc_Click();
    SetTitle("Hall 3, west wing, level 2");
    ASSERT_TRUE(Current());
    Recorder->shown.clear();
    const auto before = Snapshot();

    SaveAs(Path("hall.pjt"));
    ASSERT_TRUE(Recorder->shown.empty()) << Recorder->shown[0].text.toStdString();
    const ProjectRecord saved = RecordFromCase(window->Form().Case());
    EXPECT_EQ(saved.SavedModel, window->Form().Case().ModelName);
    EXPECT_EQ(Contents(Path("hall.pjt")), QByteArray::fromStdString(WriteProjectText(saved)));
    EXPECT_TRUE(
        Contents(Path("hall.pjt")).startsWith("\"Hall 3, west wing, level 2\",1200,52.5,55,"));

    // Work on: other inputs, another title, other units.
    Type("txtToa", "45.0");
    Type("txtVsa", "800");
    window->CmdCalc_Click();
    SetTitle("Something else");
    ChooseMainUnits(true);
    ChooseAirFlow(true);
    Recorder->shown.clear();
    ASSERT_NE(Snapshot(), before);

    OpenFile(Path("hall.pjt"));
    EXPECT_TRUE(Recorder->shown.empty()) << Recorder->shown[0].text.toStdString();
    EXPECT_EQ(RecordFromCase(window->Form().Case()), saved);
    // Open ends as the Main Units dialog's OK does, which resets the calculator.
    auto after = Snapshot();
    EXPECT_EQ(after["txtT"], "75.0");
    EXPECT_EQ(after["txtM"], "60.0");
    for (const char* calculator : {"txtT", "txtM", "lblAnswer"})
        after[calculator] = before.at(calculator);
    EXPECT_EQ(after, before);
    EXPECT_TRUE(Current());
    ASSERT_EQ(dialogs->asked.size(), 2u);
    EXPECT_EQ(dialogs->asked[1].title, "Open");
    for (const auto& asked : dialogs->asked)
        EXPECT_EQ(asked.filter, "Project Files (*.pjt)");
}

TEST_F(ProjectFiles, AProjectSavedInSIHoldsInchPoundValuesAndOpensInSI) {
    ChooseMainUnits(true);
    Type("txtToa", "10.0");
    Type("txtWoa", "7.0");
    window->CmdCalc_Click();
    SaveAs(Path("si.pjt"));
    const auto read = ReadProjectText(Contents(Path("si.pjt")).toStdString());
    ASSERT_TRUE(std::holds_alternative<ProjectRecord>(read));
    EXPECT_NEAR(std::get<ProjectRecord>(read).Toa, 50, 1e-9);
    EXPECT_NEAR(std::get<ProjectRecord>(read).Woa, 49, 1e-9);
    EXPECT_TRUE(std::get<ProjectRecord>(read).SIUnits);
    EXPECT_TRUE(Contents(Path("si.pjt")).endsWith(",#TRUE#,#FALSE#\r\n"));

    ChooseMainUnits(false);
    ASSERT_EQ(Shown("lblGrlb(0)"), "gr/lb");
    OpenFile(Path("si.pjt"));
    EXPECT_TRUE(window->Form().Case().SIUnits);
    EXPECT_EQ(Shown("lblGrlb(0)"), "g/kg");
    EXPECT_EQ(Shown("lblElev"), "m");
    EXPECT_EQ(Shown("txtToa"), "10.0");
    EXPECT_EQ(Shown("txtWoa"), "7.0");
    EXPECT_TRUE(MainUnits().SIChosen());
    // The calculator was reset as the Main Units dialog's OK resets it.
    EXPECT_EQ(Shown("txtT"), "23.9");
    EXPECT_EQ(Shown("txtM"), "15.6");
    EXPECT_TRUE(Current());
}

TEST_F(ProjectFiles, NewWithOkSetsTheTitleOnly) {
    Type("txtToa", "53.0");
    window->CmdCalc_Click();
    auto before = Snapshot();

    window->mnuFileNew_Click();
    EXPECT_TRUE(TitleDialog().isVisible());
    EXPECT_EQ(TitleDialog().windowTitle(), "New Project");
    In<QLineEdit>(TitleDialog(), "txtTitle")->setText("Level 2 office");
    Click(TitleDialog(), "CmdOK");

    EXPECT_FALSE(TitleDialog().isVisible());
    EXPECT_EQ(window->Form().Case().Title, "Level 2 office");
    EXPECT_EQ(Shown("lblTitle"), "Level 2 office");
    before["lblTitle"] = "Level 2 office";
    before["txtTitle"] = "Level 2 office";
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(Recorder->shown.empty());
}

TEST_F(ProjectFiles, CancelInTheTitleDialogChangesNothing) {
    // Before any title is set the label keeps its design caption.
    window->mnuFileNew_Click();
    In<QLineEdit>(TitleDialog(), "txtTitle")->setText("Typed, then cancelled");
    Click(TitleDialog(), "CmdCancel");
    EXPECT_EQ(Shown("lblTitle"), "Project Title");
    EXPECT_EQ(window->Form().Case().Title, "");

    SetTitle("Kept");
    window->mnuEditTitle_Click();
    EXPECT_EQ(TitleDialog().windowTitle(), "Edit Title");
    EXPECT_EQ(In<QLineEdit>(TitleDialog(), "txtTitle")->text(), "Kept");
    In<QLineEdit>(TitleDialog(), "txtTitle")->setText("Typed, then cancelled");
    Click(TitleDialog(), "CmdCancel");
    EXPECT_FALSE(TitleDialog().isVisible());
    EXPECT_EQ(Shown("lblTitle"), "Kept");
    EXPECT_EQ(window->Form().Case().Title, "Kept");
}

TEST_F(ProjectFiles, ATitleWithADoubleQuoteIsRefusedWithAHint) {
    SetTitle("Kept");
    Recorder->shown.clear();
    window->mnuEditTitle_Click();
    In<QLineEdit>(TitleDialog(), "txtTitle")->setText("The \"big\" hall");
    Click(TitleDialog(), "CmdOK");
    ASSERT_EQ(Recorder->shown.size(), 1u);
    EXPECT_EQ(Recorder->shown[0].text, QString::fromUtf8(text::kTitleHasQuote));
    EXPECT_TRUE(TitleDialog().isVisible());
    EXPECT_EQ(In<QLineEdit>(TitleDialog(), "txtTitle")->text(), "The \"big\" hall");
    EXPECT_EQ(window->Form().Case().Title, "Kept");
    EXPECT_EQ(Shown("lblTitle"), "Kept");

    // Neither Enter nor Escape answers the dialog.
    QTest::keyClick(In<QLineEdit>(TitleDialog(), "txtTitle"), Qt::Key_Return);
    QTest::keyClick(In<QLineEdit>(TitleDialog(), "txtTitle"), Qt::Key_Escape);
    EXPECT_TRUE(TitleDialog().isVisible());
    EXPECT_EQ(Recorder->shown.size(), 1u);

    // Single quotes are fine.
    In<QLineEdit>(TitleDialog(), "txtTitle")->setText("The 'big' hall");
    Click(TitleDialog(), "CmdOK");
    EXPECT_EQ(Shown("lblTitle"), "The 'big' hall");
    EXPECT_FALSE(TitleDialog().isVisible());
}

TEST_F(ProjectFiles, CancelInTheSaveDialogWritesNothing) {
    SaveAs(Path("first.pjt"));
    OpenFile(Path("first.pjt"));
    const QByteArray first = Contents(Path("first.pjt"));
    Type("txtToa", "45.0");
    window->CmdCalc_Click();
    Recorder->shown.clear();

    SaveAs(QString()); // the user cancels
    EXPECT_EQ(QDir(filesDir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"first.pjt"});
    EXPECT_EQ(Contents(Path("first.pjt")), first);
    EXPECT_TRUE(Recorder->shown.empty());
}

TEST_F(ProjectFiles, SaveAppendsTheExtensionToANameWithout) {
    SaveAs(Path("office"));
    EXPECT_TRUE(QFileInfo::exists(Path("office.pjt")));
    EXPECT_FALSE(QFileInfo::exists(Path("office")));
    SaveAs(Path("office.backup"));
    EXPECT_TRUE(QFileInfo::exists(Path("office.backup")));
}

TEST_F(ProjectFiles, AFailedSaveSaysWhyAndKeepsTheExistingFile) {
    SaveAs(Path("missing-folder/office.pjt"));
    ASSERT_EQ(Recorder->shown.size(), 1u);
    EXPECT_EQ(Recorder->shown[0].title, "Warning");
    EXPECT_TRUE(Recorder->shown[0].text.contains(Path("missing-folder/office.pjt")))
        << Recorder->shown[0].text.toStdString();

    if (::geteuid() == 0)
        return; // the superuser writes into read-only folders
    SaveAs(Path("office.pjt"));
    const QByteArray good = Contents(Path("office.pjt"));
    QFile::setPermissions(filesDir.path(), QFile::ReadOwner | QFile::ExeOwner);
    Type("txtToa", "45.0");
    window->CmdCalc_Click();
    Recorder->shown.clear();
    SaveAs(Path("office.pjt"));
    QFile::setPermissions(filesDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(Recorder->shown.size(), 1u);
    EXPECT_TRUE(Recorder->shown[0].text.contains("Permission denied"));
    EXPECT_EQ(Contents(Path("office.pjt")), good);
}

TEST_F(ProjectFiles, OpeningWhatIsNotAProjectChangesNothing) {
    // A window with a project of its own: SI units, actual volumes, a title.
    SetTitle("Current work");
    ChooseMainUnits(true);
    ChooseAirFlow(true);
    Type("txtToa", "11.0");
    window->CmdCalc_Click();
    Recorder->shown.clear();
    const auto before = Snapshot();
    const ProjectRecord record = RecordFromCase(window->Form().Case());

    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 131 + 7) % 256));
    WriteFile(Path("empty.pjt"), "");
    WriteFile(Path("short.pjt"), "\"Only a title\",600,50\r\n");
    WriteFile(Path("words.pjt"), "\"t\",600,fifty,51.8,600,75,65,0,200,\"m\",#TRUE#,#FALSE#\r\n");
    WriteFile(Path("garbage.pjt"), garbage);
    WriteFile(Path("huge.pjt"), QByteArray(200 * 1024, ','));
    struct Row {
        const char* file;
        const char* says;
    };
    const Row rows[] = {
        {"empty.pjt", "the file is empty"},
        {"short.pjt", "ends after 3 of the 12 fields"},
        {"words.pjt", "field 3 (the off-coil air temperature)"},
        {"garbage.pjt", "is not a Kestrix project file"},
        {"huge.pjt", "far larger than any project file"},
        {"missing.pjt", "No such file or directory"},
    };
    for (const Row& row : rows) {
        Recorder->shown.clear();
        OpenFile(Path(row.file));
        ASSERT_EQ(Recorder->shown.size(), 1u) << row.file;
        EXPECT_EQ(Recorder->shown[0].title, "Warning");
        EXPECT_TRUE(Recorder->shown[0].text.contains(row.says))
            << row.file << ": " << Recorder->shown[0].text.toStdString();
        EXPECT_TRUE(Recorder->shown[0].text.contains(Path(row.file))) << row.file;
        EXPECT_EQ(Snapshot(), before) << row.file;
        EXPECT_EQ(RecordFromCase(window->Form().Case()), record) << row.file;
    }
}

TEST_F(ProjectFiles, CancellingTheOpenDialogChangesNothing) {
    const auto before = Snapshot();
    OpenFile(QString());
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(Recorder->shown.empty());
}

} // namespace
} // namespace kestrix::ui::test
