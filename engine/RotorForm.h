// The behaviour of the main window frmRotor without any widget: its load step,
// change tracking, the Calc command, the model list's selection handler and the
// display procedures. It works on the one design case and reaches the controls
// only through a FormPort, so the Qt window, kestrix-cli and the tests all run
// exactly the same steps.
//
// The engine's procedures (driver, limits, catalogue, selection, exchange model,
// display) are members without arguments that read and write the design case,
// each implemented in the file named for its concern.
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
    // One calculation from the fields to the display. Returns false when the
    // fields could not be read or the run could not complete (a warning has
    // been shown, the previous results stay and stay marked stale).
    bool RunCalc();
    void ShowResults();

    // FormEvents: the seven change handlers and lstRotor_Click.
    void TextChanged(const std::string& control) override;
    void ListClicked(const std::string& control) override;
    // Marks the shown results stale.
    void ChangeStatus();

    bool ElevChanged = false;

    // The warning of the last run that could not read the fields (empty when
    // the last run read them), for scripted callers that must name the field.
    std::string FieldError;
    // When set, the load step reads this catalogue file instead of
    // catalogueDir + "/qvdcmd121.dta" (kestrix-cli --catalogue).
    std::string CatalogueFile;

    // Extension points filled by the layers above the engine (calculator, settings).
    // Called by Form_Load at the step where the load step seeds and runs the
    // moisture calculator. When empty, the load step writes the calculator's
    // seeds into txtM and txtT itself.
    std::function<void()> SeedCalculator;

    // Catalogue (Catalogue.cpp): reads catalogueDir + "/qvdcmd121.dta". Returns
    // false after a message naming the file, the line and the problem.
    bool LoadCatalogue(const std::string& catalogueDir);

    // Input limits (Limits.cpp).
    void CheckLimits();
    void CheckSaturation();

    // Rotor sizing and selection (RotorSelection.cpp).
    void SelectRotor();
    void SizeRotor();
    void FillRotorList();
    void UseListRotor();
    void UseMaxRotor();
    void UseMinRotor();

    // Moisture and heat exchange model (ExchangeModel.cpp).
    void RotorModel();
    void Condensation();
    void FrostCheck();

    // Display procedures (Display.cpp).
    void UnitLabels();
    void FillText();
    void FillTextSI();
    void FillCaptions();
    void FillCaptionsSI();
    void VelCheckMsg();

private:
    // What the display last wrote into a volume field, so that a field read
    // back unchanged gives the standard volume it showed, and a volume typed in
    // actual units is turned back into standard at the state the display used.
    struct VolumeShown {
        std::string text;       // the text written
        double standard = 0;    // the standard volume it showed, scfm
        double actualRatio = 1; // shown volume / standard volume (1: standard shown)
    };
    // Reads the seven fields into the design case; false after a warning.
    bool ReadFields();
    bool ReadVolumeField(const char* control, const VolumeShown& shown, const char* what,
                         double& scfm);
    // The input fields one by one through the port, so each write that changes
    // a field runs its change handler, exactly as the window does.
    void WriteInputFields(bool si);
    void WriteResults(bool si);
    void WriteVolumeField(const char* control, VolumeShown& shown, double standard,
                          double actualRatio);
    // A saturation moisture at an enthalpy inside a run; warns once per run
    // and gives nothing when the search does not converge.
    bool SatMoistAtEnthalpyOrWarn(double h, double& ws);
    double WetBulb(double T, double W);
    bool ResultsFinite() const;

    DesignCase case_;
    FormPort& port_;
    hygrovex::_clsHygrovex& component_;
    VolumeShown supplyShown_;
    VolumeShown returnShown_;
    bool satSearchWarned_ = false;
    int runDepth_ = 0;
};

} // namespace kestrix
