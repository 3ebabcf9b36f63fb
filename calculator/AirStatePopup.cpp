// The air-state popup: the full psychrometric state of one air stream, shown in
// the Hygrovex output window beside the stream's frame while a mouse button is
// held on the stream's picture.
#include "calculator/modCalculator.h"

#include "common/NumberText.h"
#include "engine/RotorForm.h"
#include "hygrovex/clsHygrovex.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kestrix {

namespace {

// scfm to m³/h, the main program's factor.
constexpr double kM3hPerScfm = 1.699;

// What the window shows for each stream, by imgDetails index, and where the
// popup opens relative to the main window's top-left corner (twips).
struct StreamSource {
    const char* moistureControl;    // gr/lb (g/kg in metric)
    const char* temperatureControl; // °F (°C in metric)
    double DesignCase::*volume;     // standard volume, scfm
    int offsetX;
    int offsetY;
};
constexpr std::array<StreamSource, 4> kStreams{{
    {"txtWoa", "txtToa", &DesignCase::Voa, 100, 4000},  // off-coil air
    {"lblWsa", "lblTsa", &DesignCase::Vsa, 5500, 4000}, // supply air
    {"txtWra", "txtTra", &DesignCase::Vra, 5500, 1000}, // return/mixed air
    {"lblWea", "lblTea", &DesignCase::Vea, 100, 1000},  // exhaust air
}};

std::int16_t ClampToInt16(double twips) {
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(twips))
        return 0;
    return static_cast<std::int16_t>(std::clamp(twips, lo, hi));
}

// Keeps [pos, pos + size) inside [lo, lo + extent) where it fits; a screen
// smaller than the popup keeps its near edge.
double KeepInside(double pos, double size, double lo, double extent) {
    return std::max(lo, std::min(pos, lo + extent - size));
}

} // namespace

PopupPosition ClampPopupPosition(double xTwips, double yTwips,
                                 const std::optional<TwipsRect>& screen) {
    if (screen && screen->width > 0 && screen->height > 0) {
        xTwips = KeepInside(xTwips, kPopupWidthTwips, screen->left, screen->width);
        yTwips = KeepInside(yTwips, kPopupHeightTwips, screen->top, screen->height);
    }
    return {ClampToInt16(std::nearbyint(xTwips)), ClampToInt16(std::nearbyint(yTwips))};
}

bool modCalculator::LoadAirState(int index, double mainLeftTwips, double mainTopTwips,
                                 const std::optional<TwipsRect>& screen) {
    if (index < 0 || index >= static_cast<int>(kStreams.size()))
        return false;
    const StreamSource& stream = kStreams[static_cast<std::size_t>(index)];
    const DesignCase& dc = form_.Case();

    // The state comes from what the window shows; a text that is not a number
    // (an empty result label before the first calculation) gives no popup.
    const std::optional<double> moisture = ReadNumber(stream.moistureControl);
    const std::optional<double> temperature = ReadNumber(stream.temperatureControl);
    if (!moisture || !temperature)
        return false;

    hygrovex::_clsHygrovex& psych = form_.Component();
    psych.MoistUnitsI(hygrovex::kGrains);
    psych.SI(dc.SIUnits);
    psych.StandardUnitsI(true);
    psych.ElevationI(dc.Elev);
    psych.MoistureI(*moisture);
    psych.TemperatureI(*temperature);
    const double scfm = dc.*stream.volume;
    psych.VolumeI(dc.SIUnits ? scfm * kM3hPerScfm : scfm);

    // The window's corner is taken to whole twips first, then the stream's
    // offset is added.
    const PopupPosition pos =
        ClampPopupPosition(std::nearbyint(mainLeftTwips) + stream.offsetX,
                           std::nearbyint(mainTopTwips) + stream.offsetY, screen);
    psych.PosX(pos.x);
    psych.PosY(pos.y);
    psych.Calculate();

    // After the range message the output window would list values partly left
    // over from another calculation; and the message box has taken the mouse
    // release, so a popup shown now would stay open. Show nothing instead.
    return !psych.LastCalculateFailed();
}

void modCalculator::imgDetails_MouseDown(int index, double mainLeftTwips, double mainTopTwips,
                                         const std::optional<TwipsRect>& screen) {
    if (LoadAirState(index, mainLeftTwips, mainTopTwips, screen))
        form_.Component().ShowForm();
}

void modCalculator::imgDetails_MouseUp(int /*index*/) {
    form_.Component().HideForm();
}

} // namespace kestrix
