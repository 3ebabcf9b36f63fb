// The Qt application that the commands painting with Qt (report, chart) need.
// Qt's offscreen platform needs no display server.
#pragma once

#include <QGuiApplication>

#include <cstdlib>
#include <memory>

namespace kestrix::cli {

// Creates a QGuiApplication on the offscreen platform (unless the caller chose
// a platform), or nothing when one already runs.
inline std::unique_ptr<QGuiApplication> StartOffscreenApplication() {
    if (QGuiApplication::instance() != nullptr)
        return nullptr;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "kestrix-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace kestrix::cli
