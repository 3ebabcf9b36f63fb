// The main window: the seven inputs, the results around the rotor schematic,
// the model list, the moisture calculator panel, the menus, toolbar and status
// bar. The window is thin: it shows texts and routes events. Its behaviour
// (load step, change tracking, the Calc command, the display) is RotorForm's;
// the window gives RotorForm its controls through the FormPort interface,
// addressed by control name ("txtToa", "lblscfm(0)", "sbrStatus.Panel3").
#pragma once

#include "Commands.h"
#include "FormPort.h"
#include "RotorForm.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QAction;
class QLabel;
class QListWidget;
class QPushButton;
class QToolBar;

namespace hygrovex {
class _clsHygrovex;
}

namespace kestrix::ui {

class frmChart;

class frmRotor : public QMainWindow, public FormPort {
    Q_OBJECT
public:
    // The component object must stay alive until releaseComponent runs (the
    // shut-down step calls it once, after the settings are written).
    frmRotor(hygrovex::_clsHygrovex& component, std::function<void()> releaseComponent = {},
             QWidget* parent = nullptr);
    ~frmRotor() override;

    // Setting the window's title the first time loads it: the load step runs
    // while the window is still hidden. Returns false when the load step could
    // not complete (the catalogue could not be read; a message has been shown).
    bool SetCaption(const QString& caption);
    bool IsLoaded() const { return loaded_; }
    // Where the rotor catalogue is looked for: the program's folder, then
    // ../share/kestrix. Tests point it elsewhere before loading.
    void SetCatalogueDir(const QString& dir) { catalogueDir_ = dir; }
    static QString DefaultCatalogueDir();

    RotorForm& Form() { return *form_; }
    Commands& Cmds() { return commands_; }
    QToolBar* ToolBar() const { return toolBar_; }
    // The psychrometric chart window, once View > Psychrometric Chart made it.
    frmChart* ChartWindow() const;

    // Makes a control of another window (the title dialog's "txtTitle") known
    // to the port under its control name.
    void RegisterControl(const QString& name, QWidget* widget);

    // FormPort.
    std::string Text(const std::string& control) const override;
    void SetText(const std::string& control, const std::string& text) override;
    bool Visible(const std::string& control) const override;
    void SetVisible(const std::string& control, bool visible) override;
    bool Enabled(const std::string& control) const override;
    void SetEnabled(const std::string& control, bool enabled) override;
    void SetBackColor(const std::string& control, std::uint32_t rgb) override;
    bool Checked(const std::string& control) const override;
    void SetChecked(const std::string& control, bool checked) override;
    void ListClear(const std::string& list) override;
    void ListAdd(const std::string& list, const std::string& item) override;
    void SetListIndex(const std::string& list, int index) override;
    int ListIndex(const std::string& list) const override;
    int ListCount(const std::string& list) const override;
    std::string ListItem(const std::string& list, int index) const override;
    void MessageBox(const std::string& title, const std::string& text, MessageIcon icon,
                    const std::string& helpFile = {}, int helpTopic = 0) override;
    std::string DecimalPoint() const override;
    std::string GroupSeparator() const override;

public slots:
    void CmdCalc_Click();
    void sbrStatus_PanelClick(int panel);
    void tbToolBar_ButtonClick(const QString& key);
    void lstRotor_Click();

    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void mnuFileSave_Click();
    void mnuFilePrint_Click();
    void mnuFileExportPdf_Click();
    void mnuFileExit_Click();
    void mnuEditTitle_Click();
    void mnuEditCopy_Click();
    void mnuEditCopyWord_Click();
    void mnuUnits_Click();
    void mnuVol_Click();
    void mnuViewToolbar_Click();
    void mnuViewChart_Click();
    void mnuFileExportChart_Click();
    void mnuAbout_Click();
    void mnuHelpContents_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void SetTabOrder();
    bool Form_Load();
    void Form_Unload();
    void UpdateClock();
    // Runs a command hook; an error escaping it is reported, never fatal.
    void Run(const std::function<void()>& hook, const char* what);

    // True from the load step until the shut-down step: events reach the logic.
    bool Live() const { return form_ && !unloaded_; }
    QWidget* Control(const std::string& name) const;
    // Shows the current case on the chart window, when there is one.
    void RefreshChart();
    QLabel* StatusPanel(int panel) const;

    std::unique_ptr<RotorForm> form_;
    hygrovex::_clsHygrovex& component_;
    std::function<void()> releaseComponent_;
    Commands commands_;
    QString catalogueDir_;
    bool loaded_ = false;
    bool loadSucceeded_ = false;
    bool unloaded_ = false;
    bool componentReleased_ = false;

    QHash<QString, QPointer<QWidget>> registered_;
    std::map<std::string, std::string> detachedTexts_; // controls no window holds yet
    QWidget* client_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QAction* viewToolbar_ = nullptr;
    QPushButton* cmdCalc_ = nullptr;
    QListWidget* lstRotor_ = nullptr;
    QLabel* panels_[3] = {nullptr, nullptr, nullptr};
    QPointer<frmChart> chart_;
};

} // namespace kestrix::ui
