// The settings Kestrix keeps between runs; see Settings.h.
#include "Settings.h"

#include "Twips.h"
#include "common/NumberText.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace kestrix::ui {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// Distance between two rectangles; 0 when they overlap or touch.
double Distance(const ScreenRect& a, const ScreenRect& b) {
    const double dx = std::max({0.0, b.left - (a.left + a.width), a.left - (b.left + b.width)});
    const double dy = std::max({0.0, b.top - (a.top + a.height), a.top - (b.top + b.height)});
    return std::hypot(dx, dy);
}

bool ShowsEnough(const ScreenRect& window, const ScreenRect& screen) {
    const double overlap = std::min(window.left + window.width, screen.left + screen.width) -
                           std::max(window.left, screen.left);
    const double neededWidth = std::min(kMinVisibleWidth, window.width);
    const bool topOnScreen =
        window.top >= screen.top && window.top <= screen.top + screen.height - kMinVisibleHeight;
    return overlap >= neededWidth && topOnScreen;
}

// The nearest position that puts [start, start + size) inside [low, low + room).
double Inside(double start, double size, double low, double room) {
    if (size >= room)
        return low;
    return std::clamp(start, low, low + room - size);
}

// Stored coordinates beyond any desktop are kept in a range where the
// arithmetic below stays exact and the conversion to pixels cannot overflow.
constexpr double kFarestTwips = 1.0e7;

} // namespace

std::optional<bool> BoolFromSettingText(std::string_view text) {
    text = Trimmed(text);
    if (EqualsIgnoringCase(text, "true"))
        return true;
    if (EqualsIgnoringCase(text, "false"))
        return false;
    const auto number = common::ParseNumberText(text, ".", "");
    if (!number)
        return std::nullopt;
    return *number != 0;
}

std::optional<float> NumberFromSettingText(std::string_view text) {
    const auto number = common::ParseNumberText(Trimmed(text), ".", "");
    if (!number || std::fabs(*number) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*number);
}

std::string SettingText(bool value) {
    return value ? "True" : "False";
}

std::string SettingText(float value) {
    if (value == 0)
        return "0";
    char buffer[64];
    const auto format =
        std::fabs(value) < 1.0e7f ? std::chars_format::fixed : std::chars_format::general;
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    return std::string(buffer, result.ptr);
}

bool SettingBool(const std::optional<std::string>& stored, bool fallback) {
    if (!stored)
        return fallback;
    return BoolFromSettingText(*stored).value_or(fallback);
}

float SettingNumber(const std::optional<std::string>& stored, float fallback) {
    if (!stored)
        return fallback;
    return NumberFromSettingText(*stored).value_or(fallback);
}

ScreenRect PlaceOnScreens(const ScreenRect& window, const std::vector<ScreenRect>& screens) {
    if (screens.empty())
        return window;
    for (const ScreenRect& screen : screens) {
        if (ShowsEnough(window, screen))
            return window;
    }
    const ScreenRect* nearest = &screens.front();
    for (const ScreenRect& screen : screens) {
        if (Distance(window, screen) < Distance(window, *nearest))
            nearest = &screen;
    }
    ScreenRect placed = window;
    placed.left = Inside(window.left, window.width, nearest->left, nearest->width);
    placed.top = Inside(window.top, window.height, nearest->top, nearest->height);
    return placed;
}

// ---------------------------------------------------------------------------
// The store

std::optional<std::string> ReadSetting(const char* name) {
    QSettings store(kSettingsApplication, kSettingsApplication);
    store.beginGroup(kSettingsGroup);
    if (!store.contains(name))
        return std::nullopt;
    return store.value(name).toString().toStdString();
}

void WriteSetting(const char* name, const std::string& text) {
    QSettings store(kSettingsApplication, kSettingsApplication);
    store.beginGroup(kSettingsGroup);
    store.setValue(name, QString::fromStdString(text));
}

StartupSettings ReadStartupSettings() {
    StartupSettings settings;
    settings.SIUnits = SettingBool(ReadSetting(kSettingSIUnits), false);
    settings.AcfmUnits = SettingBool(ReadSetting(kSettingAcfm), false);
    return settings;
}

StoredPosition ReadStoredPosition() {
    StoredPosition position;
    position.left = SettingNumber(ReadSetting(kSettingMainLeft), kDefaultMainLeftTwips);
    position.top = SettingNumber(ReadSetting(kSettingMainTop), kDefaultMainTopTwips);
    return position;
}

StoredPosition PlaceStoredPosition(const QWidget& window) {
    const StoredPosition stored = ReadStoredPosition();
    ScreenRect rect;
    rect.left = std::clamp<double>(stored.left, -kFarestTwips, kFarestTwips) / kTwipsPerPixel;
    rect.top = std::clamp<double>(stored.top, -kFarestTwips, kFarestTwips) / kTwipsPerPixel;
    // A window not yet shown has no frame and may not have its final size:
    // its size hint is the size it will show at.
    const QSize size = window.isVisible() || !window.sizeHint().isValid()
                           ? window.frameGeometry().size()
                           : window.sizeHint();
    rect.width = size.width();
    rect.height = size.height();

    std::vector<ScreenRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        screens.push_back(
            {double(area.x()), double(area.y()), double(area.width()), double(area.height())});
    }
    const ScreenRect placed = PlaceOnScreens(rect, screens);
    if (placed == rect)
        return stored; // unchanged, to the twip
    StoredPosition position;
    position.left = static_cast<float>(placed.left * kTwipsPerPixel);
    position.top = static_cast<float>(placed.top * kTwipsPerPixel);
    return position;
}

void WriteShutdownSettings(const QWidget& window, const DesignCase& dc) {
    if (!window.isMinimized()) {
        const QRect frame = window.frameGeometry();
        WriteSetting(kSettingMainLeft, SettingText(static_cast<float>(Twips(frame.x()))));
        WriteSetting(kSettingMainTop, SettingText(static_cast<float>(Twips(frame.y()))));
        WriteSetting(kSettingMainWidth, SettingText(static_cast<float>(Twips(frame.width()))));
        WriteSetting(kSettingMainHeight, SettingText(static_cast<float>(Twips(frame.height()))));
        WriteSetting(kSettingAcfm, SettingText(dc.AcfmUnits));
    }
    WriteSetting(kSettingSIUnits, SettingText(dc.SIUnits));
}

} // namespace kestrix::ui
