// A loaded main window for the project, title and unit-dialog tests: its own
// empty settings store, file dialogs that answer from a script, and a
// snapshot of everything the window shows.
#pragma once

#include "UiTestSupport.h"

#include "FrmNew.h"
#include "ProjectCommands.h"
#include "Settings.h"
#include "dlgOptions.h"
#include "frmPref.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <map>
#include <string>

namespace kestrix::ui::test {

// File dialogs answer with the next scripted name ("" is Cancel) and remember
// what they were asked.
class ScriptedDialogs : public DialogSeam {
public:
    struct Asked {
        QString kind;
        QString title;
        QString filter;
    };
    QString OpenFileName(QWidget*, const QString& title, const QString& filter) override {
        asked.push_back({"open", title, filter});
        return Next();
    }
    QString SaveFileName(QWidget*, const QString& title, const QString& filter) override {
        asked.push_back({"save", title, filter});
        return Next();
    }
    bool Print(QWidget*, QPrinter&) override { return false; }

    std::deque<QString> answers;
    std::vector<Asked> asked;

private:
    QString Next() {
        if (answers.empty())
            return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class ProjectWindow : public LoadedWindow {
protected:
    void SetUp() override {
        ASSERT_TRUE(filesDir.isValid());
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        SetDialogSeam(std::move(scripted));
        LoadedWindow::SetUp(); // an empty settings store, then the window
        if (StoreSettings())
            Restart();
    }
    void TearDown() override {
        LoadedWindow::TearDown();
        SetDialogSeam(nullptr);
    }
    // Fills the store for a test that starts with settings of its own; true
    // when it stored anything, and the window then starts again over them.
    virtual bool StoreSettings() { return false; }

    // Closes the window without its shut-down step and loads a new one over
    // the same settings store, as the next start of the program.
    void Restart() {
        window.reset();
        QString error;
        ASSERT_TRUE(component.Load(&error)) << error.toStdString();
        window = std::make_unique<frmRotor>(*component.Object(), [this] {
            ++releases;
            component.Release();
        });
        component.SetMessageSink(
            [this](const QString& title, const QString& text, const QString& helpFile, int topic) {
                window->MessageBox(title.toStdString(), text.toStdString(),
                                   MessageIcon::Exclamation, helpFile.toStdString(), topic);
            });
        ASSERT_TRUE(window->SetCaption(kMainWindowTitle));
        Recorder->shown.clear();
    }

    ProjectCommands& Project() const {
        auto* commands = window->findChild<ProjectCommands*>("ProjectCommands");
        EXPECT_NE(commands, nullptr);
        return *commands;
    }
    FrmNew& TitleDialog() const { return Project().TitleDialog(); }
    frmPref& MainUnits() const { return Project().MainUnitsDialog(); }
    dlgOptions& AirFlow() const { return Project().AirFlowDialog(); }

    template <typename T> static T* In(QWidget& dialog, const char* name) {
        T* widget = dialog.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static void Click(QWidget& dialog, const char* button) {
        QTest::mouseClick(In<QAbstractButton>(dialog, button), Qt::LeftButton);
    }

    void Type(const char* field, const QString& text) { Find<QLineEdit>(field)->setText(text); }
    QString Shown(const char* control) const {
        return QString::fromStdString(window->Text(control));
    }
    QString Path(const char* name) const { return filesDir.filePath(name); }

    // The title dialog's OK with the given title.
    void SetTitle(const QString& title) {
        window->mnuEditTitle_Click();
        In<QLineEdit>(TitleDialog(), "txtTitle")->setText(title);
        Click(TitleDialog(), "CmdOK");
    }
    // A unit dialog's option and OK.
    void ChooseMainUnits(bool si) {
        window->mnuUnits_Click();
        Click(MainUnits(), si ? "optUnits(1)" : "optUnits(0)");
        Click(MainUnits(), "OKButton");
    }
    void ChooseAirFlow(bool actual) {
        window->mnuVol_Click();
        Click(AirFlow(), actual ? "optVUnits(1)" : "optVUnits(0)");
        Click(AirFlow(), "OKButton");
    }
    void SaveAs(const QString& path) {
        dialogs->answers = {path};
        window->mnuFileSave_Click();
    }
    void OpenFile(const QString& path) {
        dialogs->answers = {path};
        window->mnuFileOpen_Click();
    }

    // Everything the main window shows that a project or a unit choice
    // changes, with the unit dialogs' choices and the title.
    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> shown;
        const char* controls[] = {
            "txtToa",     "txtWoa",          "txtTra",     "txtWra",   "txtVsa",   "txtVra",
            "txtElev",    "lblTitle",        "txtTitle",   "lblVels",  "lblVelE",  "lblWea",
            "lblVea",     "lblVoa",          "lblTsa",     "lblTea",   "lblWsa",   "lbldWh",
            "lblDPs",     "lblDPr",          "lblHeatS",   "lblHeatL", "lblHeatT", "fmeHeat",
            "lblscfm(0)", "lblFDB(0)",       "lblGrlb(0)", "lblElev",  "txtT",     "txtM",
            "lblAnswer",  "sbrStatus.Panel3"};
        for (const char* control : controls)
            shown[control] = window->Text(control);
        shown["lstRotor"] = std::to_string(window->ListIndex("lstRotor"));
        shown["CmdCalc.Enabled"] = Calc()->isEnabled() ? "yes" : "no";
        shown["frmPref SI"] = MainUnits().SIChosen() ? "yes" : "no";
        shown["dlgOptions actual"] = AirFlow().ActualChosen() ? "yes" : "no";
        return shown;
    }

    QTemporaryDir filesDir;
    ScriptedDialogs* dialogs = nullptr;
};

} // namespace kestrix::ui::test
