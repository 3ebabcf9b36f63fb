// The moisture calculator panel of the main window and the air-state popup
// beside its four air-stream frames. Both drive the one Hygrovex object of the
// window: the panel turns a dry bulb and a moisture reading in one of five
// forms into the humidity ratio the main inputs take (gr/lb, or g/kg in metric
// units); the popup shows the full psychrometric state of one air stream in
// the object's output window while a mouse button is held on its picture.
//
// The panel works on the window's controls by name through the form's port
// ("txtT", "txtM", "lblM", "lblAnswer", "optUnits(0)".."optUnits(4)"), so the
// Qt window, kestrix-cli and the tests run the same steps.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace kestrix {

class RotorForm;

// The Hygrovex output window's outer size, twips.
inline constexpr int kPopupWidthTwips = 2775;
inline constexpr int kPopupHeightTwips = 2580;

// A screen area in twips, screen coordinates (the Qt side passes the available
// geometry of the screen that holds the main window).
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The popup's top-left corner, twips, kept inside the 16-bit range of the
// object's PosX/PosY and, when a screen is given, far enough inside it that the
// whole popup stays on that screen.
struct PopupPosition {
    std::int16_t x = 0;
    std::int16_t y = 0;
};
PopupPosition ClampPopupPosition(double xTwips, double yTwips,
                                 const std::optional<TwipsRect>& screen = std::nullopt);

class modCalculator {
public:
    // The form (and its port and component object) must outlive the calculator.
    explicit modCalculator(RotorForm& form);

    // Values written into the temperature and moisture boxes when the panel is
    // (re)initialised: °F or °C.
    double CalcTempSeed = 0;
    double CalcMoistSeed = 0;
    // Index 0-4 of the selected input form.
    std::int16_t CalcUnitIndex = 0;
    // Unit caption shown beside the moisture box ("°F WB", "g/kg", ...).
    std::string CalcUnitText;
    // Last answer: the humidity ratio rounded to one decimal, gr/lb or g/kg.
    double CalcAnswer = 0;
    // Whether CalcAnswer holds an answer the component actually computed. The
    // paste buttons paste it only in the unit system it was computed in.
    bool HasAnswer() const { return hasAnswer_; }

    // Reads the selected form and the two boxes, runs the component at the
    // design case's elevation and shows the humidity ratio in lblAnswer.
    // A box that does not hold a number, or the component's range message,
    // leaves the answer as it was.
    void RunCalculator();

    // Control handlers of the panel.
    void optUnits_Click(int index);
    void cmdCalculate_Click();
    void cmdPastep_Click(); // "Paste Off-Coil": answer and dry bulb into txtWoa/txtToa
    void cmdPaster_Click(); // "Paste Return": answer and dry bulb into txtWra/txtTra

    // The main window's load step: seeds for the unit system in force
    // (95 °F / 75 °F wet bulb, or 35 °C / 23.9 °C), written into txtT and txtM,
    // then RunCalculator.
    void SeedAtStartup();

    // The calculator's part of confirming the Main Units dialog, run after the
    // dialog has set the unit flag and rewritten the display: selects the wet
    // bulb form and writes 75 °F dry bulb / 60 °F wet bulb into the boxes
    // ("75.0" and "60.0", or "23.9" and "15.6" when si). The dialog then runs
    // the main calculation and, last, RunCalculator.
    void ResetCalculatorForUnits(bool si);

    // The air-state popup of imgDetails(index): 0 off-coil, 1 supply,
    // 2 return/mixed, 3 exhaust air. Sets the component's inputs from what the
    // window shows for that stream, its position from the main window's
    // top-left corner (twips, screen coordinates) plus the stream's offset, and
    // calculates. Returns false, with nothing to show, when the index is not a
    // stream, a stream text does not read as a number, or the component gave
    // its range message.
    bool LoadAirState(int index, double mainLeftTwips, double mainTopTwips,
                      const std::optional<TwipsRect>& screen = std::nullopt);
    // Press of any mouse button on imgDetails(index): LoadAirState, then the
    // component's ShowForm when there is a state to show.
    void imgDetails_MouseDown(int index, double mainLeftTwips, double mainTopTwips,
                              const std::optional<TwipsRect>& screen = std::nullopt);
    // Release: the component's HideForm.
    void imgDetails_MouseUp(int index);

private:
    void PasteAnswer(const char* moistureBox, const char* temperatureBox);
    // Number text in the shortest general form with the user's decimal point.
    std::string GeneralNumberText(double value) const;
    std::optional<double> ReadNumber(const std::string& control) const;

    RotorForm& form_;
    bool hasAnswer_ = false;
    bool answerSI_ = false; // the unit system CalcAnswer was computed in
};

// Creates the window's calculator and hooks it into the form's load step, so
// that Form_Load seeds and runs it. Hosts (the Qt window, kestrix-cli, tests)
// keep the returned object for as long as the form lives and route the panel's
// control events and the Main Units reset to it.
std::unique_ptr<modCalculator> AttachCalculator(RotorForm& form);

} // namespace kestrix
