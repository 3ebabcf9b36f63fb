// The program's pictures (rotor schematic, logo, air-state pictures, toolbar
// icons), compiled in from resources/images/ and drawn at their pixel sizes.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace kestrix::ui {

// Makes the compiled-in pictures available (safe to call more than once).
void InitArtwork();

// Draws the SVG picture ":/images/<name>.svg" at exactly size pixels.
QPixmap Artwork(const QString& name, QSize size);

} // namespace kestrix::ui
