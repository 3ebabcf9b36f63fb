// The project and preference commands of the main window; see ProjectCommands.h.
#include "ProjectCommands.h"

#include "FrmNew.h"
#include "RecentProjects.h"
#include "Seams.h"
#include "Settings.h"
#include "dlgOptions.h"
#include "frmPref.h"
#include "frmRotor.h"

#include <QAction>
#include <QLineEdit>

#include <algorithm>
#include <exception>

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

    // The File menu's recent project entries.
    for (int i = 0; i < kRecentProjectCount; ++i) {
        if (auto* action = window_.findChild<QAction*>(QStringLiteral("mnuRecent(%1)").arg(i)))
            connect(action, &QAction::triggered, this, [this, i] { mnuFileRecent_Click(i); });
    }
    ShowRecentProjects();
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
    if (const auto error = SaveProjectFile(path, RecordFromCase(dc))) {
        Messages().Show(&window_, "Warning", QString::fromStdString(*error), MessageKind::Warning);
        return;
    }
    RememberRecentProject(path);
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
    RememberRecentProject(chosen.toStdString());
}

void ProjectCommands::mnuFileRecent_Click(int index) {
    const std::vector<std::string> list = ReadRecentProjects();
    if (index < 0 || static_cast<std::size_t>(index) >= list.size())
        return;
    const std::string path = list[static_cast<std::size_t>(index)];
    try {
        const auto opened = OpenProjectFile(path);
        if (const auto* error = std::get_if<std::string>(&opened)) {
            ForgetRecentProject(path);
            Messages().Show(&window_, "Warning", QString::fromStdString(*error),
                            MessageKind::Warning);
            return;
        }
        LoadProject(std::get<ProjectRecord>(opened));
        RememberRecentProject(path);
    } catch (const std::exception& error) {
        Messages().Show(&window_, "Error",
                        QStringLiteral("Open could not be completed: %1").arg(error.what()),
                        MessageKind::Error);
    }
}

void ProjectCommands::RememberRecentProject(const std::string& path) {
    WriteRecentProjects(WithRecentProject(ReadRecentProjects(), RecentProjectPath(path)));
    ShowRecentProjects();
}

void ProjectCommands::ForgetRecentProject(const std::string& path) {
    WriteRecentProjects(WithoutRecentProject(ReadRecentProjects(), path));
    ShowRecentProjects();
}

void ProjectCommands::ShowRecentProjects() {
    const std::vector<std::string> list = ReadRecentProjects();
    if (auto* bar = window_.findChild<QAction*>("mnuRecentBar"))
        bar->setVisible(!list.empty());
    for (int i = 0; i < kRecentProjectCount; ++i) {
        auto* action = window_.findChild<QAction*>(QStringLiteral("mnuRecent(%1)").arg(i));
        if (!action)
            continue;
        const bool shown = static_cast<std::size_t>(i) < list.size();
        const QString path =
            shown ? QString::fromStdString(list[static_cast<std::size_t>(i)]) : QString();
        action->setText(shown ? QString::fromStdString(RecentProjectCaption(i, list[i])) : "");
        action->setStatusTip(path);
        action->setToolTip(path);
        action->setVisible(shown);
    }
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
