// The project and preference commands of the main window; see ProjectCommands.h.
#include "ProjectCommands.h"

#include "FrmNew.h"
#include "Seams.h"
#include "Settings.h"
#include "dlgOptions.h"
#include "frmPref.h"
#include "frmRotor.h"

#include <QLineEdit>

#include <algorithm>

namespace kestrix::ui {

namespace {

QString ProjectFilter() {
    return QString::fromUtf8(text::kProjectFilterDescription);
}

} // namespace

ProjectCommands::ProjectCommands(frmRotor& window, CalculatorUnitSteps calculator)
    : QObject(&window), window_(window), calculator_(std::move(calculator)),
      titleDialog_(std::make_unique<FrmNew>()), mainUnits_(std::make_unique<frmPref>()),
      airFlow_(std::make_unique<dlgOptions>()) {
    setObjectName("ProjectCommands");
    // The display step writes the title into the dialog's field from the start.
    window_.RegisterControl("txtTitle", titleDialog_->txtTitle());

    connect(titleDialog_.get(), &FrmNew::TitleAccepted, this, [this](const QString& title) {
        window_.Form().Case().Title = title.toStdString();
        window_.SetText("lblTitle", window_.Form().Case().Title);
    });
    connect(titleDialog_.get(), &FrmNew::Finished, this, [this] {
        window_.raise();
        window_.activateWindow();
    });

    mainUnits_->ApplyUnits = [this](bool si) { ApplyMainUnits(window_.Form(), si, calculator_); };
    airFlow_->SetAcfmUnits = [this](bool acfm) { window_.Form().Case().AcfmUnits = acfm; };
    airFlow_->Recalculate = [this] { window_.Form().RunCalc(); };

    InstallHooks();
}

ProjectCommands::~ProjectCommands() = default;

void ProjectCommands::InstallHooks() {
    Commands& hooks = window_.Cmds();
    hooks.FileNew = [this] { mnuFileNew_Click(); };
    hooks.EditTitle = [this] { mnuEditTitle_Click(); };
    hooks.FileSave = [this] { mnuFileSave_Click(); };
    hooks.FileOpen = [this] { mnuFileOpen_Click(); };
    hooks.Units = [this] { mnuUnits_Click(); };
    hooks.Vol = [this] { mnuVol_Click(); };

    // Load step 2 and 8: the unit flags, and the dialogs' choices to match.
    hooks.ReadSettings = [this] {
        const StartupSettings settings = ReadStartupSettings();
        mainUnits_->SetChoice(settings.SIUnits);
        if (settings.AcfmUnits)
            airFlow_->SetChoice(true);
        return settings;
    };
    // Load step 7: the stored left and top edges, kept on a screen.
    hooks.WindowPosition = [this] {
        const StoredPosition position = PlaceStoredPosition(window_);
        const auto twips = [](float value) {
            return static_cast<int>(std::clamp(value, -1.0e7f, 1.0e7f));
        };
        return QPoint(twips(position.left), twips(position.top));
    };
    // Unload steps 2 and 3.
    hooks.WriteSettings = [this] { WriteShutdownSettings(window_, window_.Form().Case()); };
}

void ProjectCommands::mnuFileNew_Click() {
    titleDialog_->ShowWithCaption("New Project");
}

void ProjectCommands::mnuEditTitle_Click() {
    titleDialog_->ShowWithCaption("Edit Title");
}

void ProjectCommands::mnuFileSave_Click() {
    const QString chosen = Dialogs().SaveFileName(&window_, "Save", ProjectFilter());
    if (chosen.isEmpty())
        return;
    const std::string path = WithProjectExtension(chosen.toStdString());
    DesignCase& dc = window_.Form().Case();
    dc.SavedModel = dc.ModelName;
    if (const auto error = SaveProjectFile(path, RecordFromCase(dc)))
        Messages().Show(&window_, "Warning", QString::fromStdString(*error), MessageKind::Warning);
}

void ProjectCommands::mnuFileOpen_Click() {
    const QString chosen = Dialogs().OpenFileName(
        &window_, QString::fromUtf8(text::kOpenDialogTitle), ProjectFilter());
    if (chosen.isEmpty())
        return;
    const auto opened = OpenProjectFile(chosen.toStdString());
    if (const auto* error = std::get_if<std::string>(&opened)) {
        Messages().Show(&window_, "Warning", QString::fromStdString(*error), MessageKind::Warning);
        return;
    }
    LoadProject(std::get<ProjectRecord>(opened));
}

void ProjectCommands::LoadProject(const ProjectRecord& record) {
    StoreProjectInForm(window_.Form(), record);
    mainUnits_->SetChoice(record.SIUnits);
    airFlow_->SetChoice(record.AcfmUnits);
    ApplyMainUnits(window_.Form(), mainUnits_->SIChosen(), calculator_);
}

void ProjectCommands::mnuUnits_Click() {
    mainUnits_->ShowModeless();
}

void ProjectCommands::mnuVol_Click() {
    airFlow_->ShowModeless();
}

ProjectCommands* InstallProjectCommands(frmRotor& window, CalculatorUnitSteps calculator) {
    return new ProjectCommands(window, std::move(calculator));
}

} // namespace kestrix::ui
