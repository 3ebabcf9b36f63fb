// Where the parts of the program connect their commands to the main window.
// Each part adds its lines below (project files and title, unit dialogs,
// printing and copying, the moisture calculator, the settings store).
#include "Commands.h"

#include "ProjectCommands.h"
#include "Twips.h"
#include "frmRotor.h"

#include "calculator/modCalculator.h"
#include "report/ReportCommands.h"

#include <QObject>
#include <QScreen>

#include <memory>
#include <optional>

namespace kestrix::ui {

namespace {

// Owns the window's moisture calculator; a child of the window, so the
// calculator lives exactly as long as the window.
class CalculatorHolder : public QObject {
public:
    explicit CalculatorHolder(frmRotor& window)
        : QObject(&window), calculator(AttachCalculator(window.Form())) {}
    std::unique_ptr<modCalculator> calculator;
};

// The moisture calculator panel, the air-state pictures and the load step's
// seeding of the calculator. Returns the calculator, whose Main Units steps
// (ResetCalculatorForUnits, RunCalculator) the unit dialog runs.
modCalculator& InstallCalculatorCommands(frmRotor& window) {
    modCalculator& calc = *(new CalculatorHolder(window))->calculator;
    Commands& cmds = window.Cmds();
    cmds.Calculate = [&calc] { calc.cmdCalculate_Click(); };
    cmds.PasteOffCoil = [&calc] { calc.cmdPastep_Click(); };
    cmds.PasteReturn = [&calc] { calc.cmdPaster_Click(); };
    cmds.UnitOptionClick = [&calc](int index) { calc.optUnits_Click(index); };
    cmds.DetailsDown = [&calc, &window](int index) {
        // The popup opens beside the stream's frame, on the screen that holds
        // the main window (twips, screen coordinates).
        const QPoint corner = window.pos();
        std::optional<TwipsRect> screen;
        if (const QScreen* s = window.screen()) {
            const QRect r = s->availableGeometry();
            screen = TwipsRect{Twips(r.x()), Twips(r.y()), Twips(r.width()), Twips(r.height())};
        }
        calc.imgDetails_MouseDown(index, Twips(corner.x()), Twips(corner.y()), screen);
    };
    cmds.DetailsUp = [&calc](int index) { calc.imgDetails_MouseUp(index); };
    return calc;
}

// File > Print, File > Export PDF..., Edit > Copy (Excel), Copy (Word) and the
// toolbar's Copy and Print buttons.
void InstallReportCommands(frmRotor& window) {
    Commands& cmds = window.Cmds();
    cmds.FilePrint = [&window] { report::PrintReport(&window, window.Form()); };
    cmds.FileExportPdf = [&window] { report::ExportPdf(&window, window.Form()); };
    cmds.EditCopy = [&window] { report::CopyToClipboard(&window, window.Form(), true); };
    cmds.EditCopyWord = [&window] { report::CopyToClipboard(&window, window.Form(), false); };
}

} // namespace

void InstallCommands(frmRotor& window) {
    InstallReportCommands(window);
    modCalculator& calculator = InstallCalculatorCommands(window);
    // Project files and title, the unit dialogs and the settings store; the
    // Main Units choice resets the calculator.
    InstallProjectCommands(window,
                           {[&calculator](bool si) { calculator.ResetCalculatorForUnits(si); },
                            [&calculator] { calculator.RunCalculator(); }});
}

} // namespace kestrix::ui
