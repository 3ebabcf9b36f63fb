// The program's name texts and version, shown by the splash window, the main
// window's title and the About box.
#pragma once

#include <QString>

namespace kestrix::ui {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 2;
inline constexpr int kVersionRevision = 3;

// "Version 1.2.3".
inline QString VersionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(kVersionMajor)
        .arg(kVersionMinor)
        .arg(kVersionRevision);
}

inline const QString kMainWindowTitle = QStringLiteral(
    "Korvane, Inc. - Kestrix -Korvane Selection and Performance Calculation Software");
inline const QString kAboutTitle = QStringLiteral("Vardane");
inline const QString kProgramHelpFile = QStringLiteral("Vardane.hlp");
inline const QString kCompanyName = QStringLiteral("Korvane, Inc.");

} // namespace kestrix::ui
