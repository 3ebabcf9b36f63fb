// Screen geometry of the windows, given in twips (1/1440 inch) as the window
// layouts are designed, turned into pixels at 15 twips per pixel (96 dpi).
// Qt's own high-DPI scaling takes it from there.
#pragma once

#include <QRect>
#include <QSize>

namespace kestrix::ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) {
    return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr int Twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// Left, top, width, height in twips.
inline QRect TwipRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

inline QSize TwipSize(int width, int height) {
    return QSize(Px(width), Px(height));
}

} // namespace kestrix::ui
