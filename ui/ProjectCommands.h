// The main window's project and preference commands: File > New, Edit > Title,
// File > Save, File > Open, Preferences > Main Units and Air Flow Units, and
// the settings the load and unload steps read and write. Owns the title
// dialog and the two unit dialogs, which live as long as the main window.
#pragma once

#include "ProjectFile.h"

#include <QObject>

#include <memory>

namespace kestrix::ui {

class FrmNew;
class dlgOptions;
class frmPref;
class frmRotor;

class ProjectCommands : public QObject {
    Q_OBJECT
public:
    // Creates the dialogs, makes the title dialog's field known to the window
    // as "txtTitle" and fills the window's command hooks. calculator is the
    // moisture calculator's part of the Main Units choice.
    ProjectCommands(frmRotor& window, CalculatorUnitSteps calculator);
    ~ProjectCommands() override;

    FrmNew& TitleDialog() const { return *titleDialog_; }
    frmPref& MainUnitsDialog() const { return *mainUnits_; }
    dlgOptions& AirFlowDialog() const { return *airFlow_; }

    void mnuFileNew_Click();
    void mnuEditTitle_Click();
    void mnuFileSave_Click();
    void mnuFileOpen_Click();
    void mnuUnits_Click();
    void mnuVol_Click();

    // Open's steps 3 to 7 for a record already read and checked.
    void LoadProject(const ProjectRecord& record);

    // File > 1 to 5: opens the recent project at index (0 is the top) as
    // File > Open does once its dialog has named the file. A file that cannot
    // be opened is reported as Open reports it and leaves the list.
    void mnuFileRecent_Click(int index);

private:
    void InstallHooks();
    // The recent projects: path goes to the top of the stored list, or
    // leaves it; the File menu then shows the stored list.
    void RememberRecentProject(const std::string& path);
    void ForgetRecentProject(const std::string& path);
    void ShowRecentProjects();

    frmRotor& window_;
    CalculatorUnitSteps calculator_;
    // Top-level windows of their own (no owner), deleted with the main window.
    std::unique_ptr<FrmNew> titleDialog_;
    std::unique_ptr<frmPref> mainUnits_;
    std::unique_ptr<dlgOptions> airFlow_;
};

// Installs the commands on the window; the returned object is a child of the
// window and lives as long as it.
ProjectCommands* InstallProjectCommands(frmRotor& window, CalculatorUnitSteps calculator);

} // namespace kestrix::ui
