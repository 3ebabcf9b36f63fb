// The command table of the main window: the commands whose work lives in other
// parts of the program (project files, unit dialogs, printing, copying, the
// moisture calculator panel, the air-state popup, the settings store). The
// window's menu, toolbar and button handlers call these hooks; each part
// fills its own in InstallCommands (CommandWiring.cpp). An empty hook does
// nothing.
#pragma once

#include "RotorForm.h"

#include <QPoint>

#include <functional>

namespace kestrix::ui {

class frmRotor;

struct Commands {
    // File menu and toolbar.
    std::function<void()> FileNew;       // new project title
    std::function<void()> FileOpen;      // open a project file
    std::function<void()> FileSave;      // save a project file (Ctrl+S)
    std::function<void()> FilePrint;     // print the report (Ctrl+P)
    std::function<void()> FileExportPdf; // write the report to a PDF file
    // Edit menu.
    std::function<void()> EditTitle;    // edit the project title
    std::function<void()> EditCopy;     // copy the results for a spreadsheet
    std::function<void()> EditCopyWord; // copy the results for a word processor
    std::function<void()> Units;        // Preferences > Main Units
    std::function<void()> Vol;          // Preferences > Air Flow Units

    // The moisture calculator panel.
    std::function<void()> Calculate;          // cmdCalculate
    std::function<void()> PasteOffCoil;       // cmdPasteP
    std::function<void()> PasteReturn;        // cmdPasteR
    std::function<void(int)> UnitOptionClick; // optUnits(index)
    // The air-state pictures imgDetails(index): pressed and released.
    std::function<void(int)> DetailsDown;
    std::function<void(int)> DetailsUp;

    // The settings store. ReadSettings gives the unit flags of the load step;
    // WindowPosition the window's left and top edges in twips ("MainLeft",
    // "MainTop"); WriteSettings runs in the shut-down step before the
    // component is released. Without them the load step uses IP units,
    // standard volumes and 1000, 1000 twips, and nothing is stored.
    std::function<StartupSettings()> ReadSettings;
    std::function<QPoint()> WindowPosition;
    std::function<void()> WriteSettings;
};

// Fills the hooks of the window's command table; every part of the program
// that carries a command adds its wiring here. Called once, when the window is
// built and before its load step.
void InstallCommands(frmRotor& window);

} // namespace kestrix::ui
