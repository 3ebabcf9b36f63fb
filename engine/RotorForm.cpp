// The main window's logic: load step, change tracking, the Calc command and the
// model list's selection handler.
#include "RotorForm.h"

#include "Texts.h"

#include <common/NumberText.h>

namespace kestrix {

namespace {

constexpr std::uint32_t kYellow = 0xFFFF00;

} // namespace

RotorForm::RotorForm(FormPort& port, hygrovex::_clsHygrovex& component)
    : port_(port), component_(component) {}

bool RotorForm::Form_Load(const StartupSettings& settings, const std::string& catalogueDir) {
    DesignCase& c = case_;
    c.SIUnits = settings.SIUnits;
    UnitLabels();

    c.Vsa = 600;
    c.Vra = 600;
    c.Voa = 600;
    c.Wra = 65;
    c.Tra = 75;
    c.Woa = 51.8;
    c.Toa = 50;
    c.Elev = 0;
    c.VelChanged = true;
    c.ModelCaption = text::kInitialModelCaption;

    // These writes run the fields' change handlers.
    if (c.SIUnits)
        FillTextSI();
    else
        FillText();

    if (SeedCalculator) {
        SeedCalculator();
    } else {
        port_.SetText("txtM", common::PlainNumberText(c.SIUnits ? 23.9 : 75));
        port_.SetText("txtT", common::PlainNumberText(c.SIUnits ? 35 : 95));
    }

    c.AcfmUnits = settings.AcfmUnits;
    c.Elev = 0;
    c.SelMode = 0;
    if (!LoadCatalogue(catalogueDir))
        return false;
    RunCalc();
    // The load step's own write of "0" into the elevation field is no change
    // the user made: the first Calc shows no elevation warning.
    ElevChanged = false;
    return true;
}

void RotorForm::ChangeStatus() {
    port_.SetText("sbrStatus.Panel3", text::kRequiresCalculation);
    port_.SetEnabled("CmdCalc", true);
    port_.SetBackColor("CmdCalc", kYellow);
}

void RotorForm::TextChanged(const std::string& control) {
    if (control == "txtToa" || control == "txtWoa" || control == "txtTra" || control == "txtWra") {
        ChangeStatus();
    } else if (control == "txtElev") {
        ChangeStatus();
        ElevChanged = true;
    } else if (control == "txtVsa" || control == "txtVra") {
        // Size the rotor automatically at the next run.
        case_.SelMode = 0;
        ChangeStatus();
    }
}

void RotorForm::ListClicked(const std::string& control) {
    // A list that lost its selection (cleared) has no model to use.
    if (control != "lstRotor" || port_.ListIndex(control) < 0)
        return;
    case_.SelMode = 1;
    // The engine's own selection only records the choice.
    if (!case_.ListBusy)
        RunCalc();
}

void RotorForm::CmdCalc_Click() {
    case_.FrostMsgDue = true;
    // A run that could not read the fields has already said why; the elevation
    // warning waits for the run that uses the new elevation.
    if (!RunCalc())
        return;
    if (ElevChanged) {
        port_.MessageBox(text::kWarningTitle, text::kElevation, MessageIcon::Exclamation);
        ElevChanged = false;
        RunCalc();
    }
}

} // namespace kestrix
