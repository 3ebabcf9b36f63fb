// The behaviour of the main window frmRotor without any widget: its load step,
// change tracking, the Calc command, the model list's selection handler and the
// display procedures. It works on the one design case and reaches the controls
// only through a FormPort, so the Qt window, kestrix-cli and the tests all run
// exactly the same steps.
#pragma once

#include "DesignCase.h"
#include "FormPort.h"

#include <functional>
#include <string>

namespace hygrovex {
class _clsHygrovex;
}

namespace kestrix {

// The values of the per-user settings store that the load step reads.
struct StartupSettings {
    bool SIUnits = false;
    bool AcfmUnits = false;
};

class RotorForm : public FormEvents {
public:
    // The port and the component object must outlive the form.
    RotorForm(FormPort& port, hygrovex::_clsHygrovex& component);

    DesignCase& Case() { return case_; }
    const DesignCase& Case() const { return case_; }
    FormPort& Port() { return port_; }
    hygrovex::_clsHygrovex& Component() { return component_; }

    // Start-up as the window's load step runs it (the component object already
    // exists). catalogueDir is the folder holding "qvdcmd121.dta". Returns false
    // when the catalogue cannot be loaded (a message has been shown).
    bool Form_Load(const StartupSettings& settings, const std::string& catalogueDir);

    // Commands.
    void CmdCalc_Click();
    void RunCalc();
    void ShowResults();

    // FormEvents: the seven change handlers and lstRotor_Click.
    void TextChanged(const std::string& control) override;
    void ListClicked(const std::string& control) override;

    bool ElevChanged = false;

    // Extension points filled by the layers above the engine (calculator, settings).
    // Called by Form_Load at the step where the load step seeds and runs the
    // moisture calculator.
    std::function<void()> SeedCalculator;

private:
    DesignCase case_;
    FormPort& port_;
    hygrovex::_clsHygrovex& component_;
};

} // namespace kestrix
