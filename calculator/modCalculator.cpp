// The moisture calculator panel: RunCalculator, the option and button
// handlers, the start-up seeds and the reset of the Main Units dialog.
#include "calculator/modCalculator.h"

#include "calculator/CalculatorTexts.h"
#include "common/NumberPattern.h"
#include "common/NumberText.h"
#include "engine/RotorForm.h"
#include "engine/Texts.h"
#include "hygrovex/clsHygrovex.h"

#include <cmath>
#include <string_view>

namespace kestrix {

namespace {

constexpr int kFormCount = static_cast<int>(calctext::kInputForms.size());

std::string OptionName(int index) {
    return "optUnits(" + std::to_string(index) + ")";
}

// Selects one input form and clears the others (the chosen one first, so a
// window whose options exclude each other never has none selected).
void SelectForm(FormPort& port, int index) {
    port.SetChecked(OptionName(index), true);
    for (int i = 0; i < kFormCount; ++i) {
        if (i != index)
            port.SetChecked(OptionName(i), false);
    }
}

// Replaces the "." of a plain or patterned number text by the user's decimal point.
std::string WithDecimalPoint(std::string text, std::string_view decimalPoint) {
    const std::size_t point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, decimalPoint);
    return text;
}

} // namespace

modCalculator::modCalculator(RotorForm& form) : form_(form) {}

std::string modCalculator::GeneralNumberText(double value) const {
    return WithDecimalPoint(common::PlainNumberText(value), form_.Port().DecimalPoint());
}

std::optional<double> modCalculator::ReadNumber(const std::string& control) const {
    const FormPort& port = form_.Port();
    return common::ParseNumberText(port.Text(control), port.DecimalPoint(), port.GroupSeparator());
}

void modCalculator::RunCalculator() {
    FormPort& port = form_.Port();
    hygrovex::_clsHygrovex& psych = form_.Component();
    const bool si = form_.Case().SIUnits;

    // The selected input form (exactly one option is selected; the last match wins).
    for (int i = 0; i < kFormCount; ++i) {
        if (port.Checked(OptionName(i)))
            CalcUnitIndex = static_cast<std::int16_t>(i);
    }

    psych.SI(si);
    if (CalcUnitIndex >= 0 && CalcUnitIndex < kFormCount) {
        const calctext::InputForm& inputForm =
            calctext::kInputForms[static_cast<std::size_t>(CalcUnitIndex)];
        psych.MoistUnitsI(inputForm.moistCode);
        CalcUnitText = si ? inputForm.unitSI : inputForm.unitIP;
    }
    port.SetText("lblM", CalcUnitText);

    // Nothing is computed from a box that does not hold a number; the answer
    // stays as it was and the user is told which box to mend.
    const std::optional<double> moisture = ReadNumber("txtM");
    const std::optional<double> temperature = ReadNumber("txtT");
    if (!moisture || !temperature) {
        const char* message = !temperature && !moisture ? calctext::kBothNotNumbers
                              : !temperature            ? calctext::kTemperatureNotNumber
                                                        : calctext::kMoistureNotNumber;
        port.MessageBox(text::kWarningTitle, message, MessageIcon::Exclamation);
        return;
    }

    psych.MoistureI(*moisture);
    psych.TemperatureI(*temperature);
    psych.StandardUnitsI(true);
    psych.ElevationI(form_.Case().Elev);
    psych.Calculate();

    // After the component's range message its outputs are partly left over
    // from an earlier calculation (possibly another stream's); the answer
    // keeps the last value that was computed from the panel's own inputs.
    if (psych.LastCalculateFailed())
        return;
    const std::optional<double> rounded = common::ParseNumberText(
        common::FormatPattern(psych.HumidRatio1O(), calctext::kAnswerRounding));
    if (!rounded)
        return;

    CalcAnswer = *rounded;
    hasAnswer_ = true;
    answerSI_ = si;
    port.SetText("lblAnswer", common::FormatPattern(CalcAnswer, calctext::kAnswerPattern,
                                                    port.DecimalPoint(), port.GroupSeparator()) +
                                  (si ? calctext::kAnswerUnitSI : calctext::kAnswerUnitIP));
}

void modCalculator::optUnits_Click(int index) {
    // A click selects the clicked form; the moisture text is then read in it
    // as it stands, without conversion.
    if (index >= 0 && index < kFormCount)
        SelectForm(form_.Port(), index);
    RunCalculator();
}

void modCalculator::cmdCalculate_Click() {
    // An elevation just typed into the main window reaches the design case
    // only through a main calculation; run one first so the answer uses it.
    if (form_.ElevChanged) {
        form_.ElevChanged = false;
        // A main calculation that could not read the fields has said why; the
        // new elevation has not reached the design case, so nothing is
        // computed at the old one and the elevation stays pending.
        if (!form_.RunCalc()) {
            form_.ElevChanged = true;
            return;
        }
    }
    RunCalculator();
    form_.ElevChanged = false;
}

void modCalculator::PasteAnswer(const char* moistureBox, const char* temperatureBox) {
    FormPort& port = form_.Port();
    // Only an answer computed in the unit system now in force is pasted: a
    // g/kg figure must never land in a gr/lb field, or the reverse.
    if (!hasAnswer_ || answerSI_ != form_.Case().SIUnits) {
        port.MessageBox(text::kWarningTitle, calctext::kNothingToPaste, MessageIcon::Exclamation);
        return;
    }
    port.SetText(moistureBox, GeneralNumberText(CalcAnswer));
    port.SetText(temperatureBox, port.Text("txtT"));
    form_.RunCalc();
}

void modCalculator::cmdPastep_Click() {
    PasteAnswer("txtWoa", "txtToa");
}

void modCalculator::cmdPaster_Click() {
    PasteAnswer("txtWra", "txtTra");
}

void modCalculator::SeedAtStartup() {
    if (form_.Case().SIUnits) {
        CalcTempSeed = 35;
        CalcMoistSeed = 23.9;
    } else {
        CalcTempSeed = 95;
        CalcMoistSeed = 75;
    }
    FormPort& port = form_.Port();
    port.SetText("txtM", GeneralNumberText(CalcMoistSeed));
    port.SetText("txtT", GeneralNumberText(CalcTempSeed));
    RunCalculator();
}

void modCalculator::ResetCalculatorForUnits(bool si) {
    FormPort& port = form_.Port();
    SelectForm(port, 0);

    // 75 °F dry bulb and 60 °F wet bulb, shown in the chosen units.
    CalcTempSeed = 75;
    CalcMoistSeed = 60;
    const std::string point = port.DecimalPoint();
    if (si) {
        port.SetText("txtT", common::FormatPattern((CalcTempSeed - 32) / 1.8,
                                                   calctext::kResetPatternSI, point));
        port.SetText("txtM", common::FormatPattern((CalcMoistSeed - 32) / 1.8,
                                                   calctext::kResetPatternSI, point));
    } else {
        port.SetText("txtT", common::FormatPattern(CalcTempSeed, calctext::kResetPatternIP, point));
        port.SetText("txtM",
                     common::FormatPattern(CalcMoistSeed, calctext::kResetPatternIP, point));
    }
}

std::unique_ptr<modCalculator> AttachCalculator(RotorForm& form) {
    auto calculator = std::make_unique<modCalculator>(form);
    // The wet-bulb form is the one selected when the window is created.
    FormPort& port = form.Port();
    bool anySelected = false;
    for (int i = 0; i < kFormCount; ++i)
        anySelected = anySelected || port.Checked(OptionName(i));
    if (!anySelected)
        port.SetChecked(OptionName(0), true);
    modCalculator* calc = calculator.get();
    form.SeedCalculator = [calc] { calc->SeedAtStartup(); };
    return calculator;
}

} // namespace kestrix
