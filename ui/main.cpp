// The kestrix program: loads the psychrometric component, opens the splash
// window, which loads the main window, and runs the desktop session.
//
//   kestrix                     start with the splash window
//   kestrix --no-splash         start with the main window
//   kestrix --screenshot FILE   load, calculate, save a picture of the main
//                               window to FILE (PNG) and end; messages go to
//                               stderr instead of message boxes
//   kestrix --splash-screenshot FILE   the same for the splash window
#include "ComponentLoader.h"
#include "ProductInfo.h"
#include "Seams.h"
#include "Style.h"
#include "frmRotor.h"
#include "frmSplash.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>

#include <iostream>

using namespace kestrix::ui;

namespace {

// Message boxes of a run without a user: written to stderr, answered at once.
class StderrMessages : public MessageSeam {
public:
    void Show(QWidget*, const QString& title, const QString& text, MessageKind, const QString&,
              int) override {
        std::cerr << title.toStdString() << ": " << text.toStdString() << "\n";
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kestrix");
    QApplication::setOrganizationName("Kestrix");
    QApplication::setApplicationVersion(VersionText().mid(8));
    ApplyKestrixStyle();

    QCommandLineParser parser;
    parser.setApplicationDescription("Kestrix: desiccant rotor selection and performance.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption noSplash("no-splash", "Start with the main window.");
    const QCommandLineOption screenshot(
        "screenshot", "Load, calculate, save the main window as a PNG picture to FILE and end.",
        "FILE");
    const QCommandLineOption splashShot(
        "splash-screenshot", "Load, save the splash window as a PNG picture to FILE and end.",
        "FILE");
    parser.addOption(noSplash);
    parser.addOption(screenshot);
    parser.addOption(splashShot);
    parser.process(app);

    if (parser.isSet(screenshot) || parser.isSet(splashShot))
        SetMessageSeam(std::make_unique<StderrMessages>());

    // The component object comes first: nothing in the main window works without it.
    ComponentLoader component;
    QString error;
    if (!component.Load(&error)) {
        std::cerr << error.toStdString() << "\n";
        Messages().Show(nullptr, "Kestrix", error, MessageKind::Error);
        return 3;
    }

    frmRotor window(*component.Object(), [&component] { component.Release(); });
    component.SetMessageSink(
        [&window](const QString& title, const QString& text, const QString& helpFile, int topic) {
            window.MessageBox(title.toStdString(), text.toStdString(),
                              kestrix::MessageIcon::Exclamation, helpFile.toStdString(), topic);
        });

    if (parser.isSet(screenshot) || parser.isSet(noSplash)) {
        if (!window.SetCaption(kMainWindowTitle))
            return 1;
        window.SetVisible("Picture1(1)", true);
        window.show();
        if (!parser.isSet(screenshot))
            return app.exec();
        QApplication::processEvents();
        const QString file = parser.value(screenshot);
        if (!window.grab().save(file, "PNG")) {
            std::cerr << "kestrix: cannot write the picture " << file.toStdString() << "\n";
            return 1;
        }
        window.close();
        return 0;
    }

    frmSplash splash(window);
    if (!splash.Load())
        return 1;
    splash.show();
    if (parser.isSet(splashShot)) {
        QApplication::processEvents();
        const QString file = parser.value(splashShot);
        if (!splash.grab().save(file, "PNG")) {
            std::cerr << "kestrix: cannot write the picture " << file.toStdString() << "\n";
            return 1;
        }
        return 0;
    }
    return app.exec();
}
