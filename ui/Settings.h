// The per-user settings Kestrix keeps between runs: the two unit flags and the
// main window's placement, in QSettings("Kestrix", "Kestrix"), group
// "Settings", every value as text ("True"/"False", plain number text).
//
// The rules that turn stored texts into values, and a stored position into
// one on a screen, are plain functions without Qt, so they can be tested
// alone; the store access below them is thin.
#pragma once

#include "RotorForm.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace kestrix::ui {

inline constexpr const char* kSettingsApplication = "Kestrix";
inline constexpr const char* kSettingsGroup = "Settings";
inline constexpr const char* kSettingSIUnits = "SIUnits";
inline constexpr const char* kSettingAcfm = "acfm";
inline constexpr const char* kSettingMainLeft = "MainLeft";
inline constexpr const char* kSettingMainTop = "MainTop";
inline constexpr const char* kSettingMainWidth = "MainWidth";
inline constexpr const char* kSettingMainHeight = "MainHeight";

// The main window's left and top edge on first start, twips.
inline constexpr float kDefaultMainLeftTwips = 1000;
inline constexpr float kDefaultMainTopTwips = 1000;
// The main window's outer height at every start, twips.
inline constexpr int kMainHeightTwips = 6825;

// Conversions between stored texts and values.

// "True" and "False" in any letter case (spaces around ignored), or a number:
// 0 is false, any other value true. Anything else cannot be converted.
std::optional<bool> BoolFromSettingText(std::string_view text);
// A plain decimal number (optional sign, optional fraction and exponent) that
// fits a single-precision value. Anything else cannot be converted.
std::optional<float> NumberFromSettingText(std::string_view text);
// "True" or "False".
std::string SettingText(bool value);
// The plain decimal text of a single-precision value: no grouping, "." as the
// decimal point, no exponent for window-sized values ("1000", "-240", "1012.5").
std::string SettingText(float value);

// A stored text, or its default when it is missing or cannot be converted.
bool SettingBool(const std::optional<std::string>& stored, bool fallback);
float SettingNumber(const std::optional<std::string>& stored, float fallback);

// Placement on the screens, in pixels.
struct ScreenRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const ScreenRect&) const = default;
};

// How much of a window must lie on a screen for the user to reach it: this
// much of its width, and its title bar (the top edge) inside the screen.
inline constexpr double kMinVisibleWidth = 100;
inline constexpr double kMinVisibleHeight = 30;

// The window's rectangle moved just far enough to lie on a screen: unchanged
// when a screen shows enough of it (its top edge on that screen and at least
// kMinVisibleWidth of its width), otherwise moved wholly onto the screen
// nearest to it (a window larger than that screen goes to its top-left
// corner). With no screens the window is left where it is.
ScreenRect PlaceOnScreens(const ScreenRect& window, const std::vector<ScreenRect>& screens);

// The store itself (QSettings, group "Settings").

// Reads a value's text; nullopt when it is missing.
std::optional<std::string> ReadSetting(const char* name);
void WriteSetting(const char* name, const std::string& text);

// The unit flags the main window's load step reads ("SIUnits", "acfm").
StartupSettings ReadStartupSettings();
// The main window's stored left and top edges, twips ("MainLeft", "MainTop").
struct StoredPosition {
    float left = kDefaultMainLeftTwips;
    float top = kDefaultMainTopTwips;
};
StoredPosition ReadStoredPosition();
// The window's left and top edges in twips for the load step: the stored
// position, brought back onto the nearest screen when the window placed there
// would lie outside every screen. window gives the outer size.
StoredPosition PlaceStoredPosition(const QWidget& window);

// The unload step's writes: when the window is not minimised "MainLeft",
// "MainTop", "MainWidth", "MainHeight" (its outer placement, twips) and
// "acfm", in this order; then, always, "SIUnits".
void WriteShutdownSettings(const QWidget& window, const DesignCase& dc);

} // namespace kestrix::ui
