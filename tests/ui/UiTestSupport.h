// Shared pieces of the window tests: the message recorder and a fixture that
// loads the real component library and builds a loaded main window.
#pragma once

#include "ComponentLoader.h"
#include "ProductInfo.h"
#include "Seams.h"
#include "frmRotor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace kestrix::ui::test {

struct ShownMessage {
    QString title;
    QString text;
    MessageKind kind;
    QString helpFile;
    int helpTopic;
};

class MessageRecorder : public MessageSeam {
public:
    void Show(QWidget* parent, const QString& title, const QString& text, MessageKind kind,
              const QString& helpFile, int helpTopic) override;
    std::vector<ShownMessage> shown;
};

// Installed by the test program's main for the whole run.
extern MessageRecorder* Recorder;

// Points the per-user settings store at an empty folder of the test run, so a
// window starts as on a fresh account: IP units, standard volumes, default place.
inline void FreshSettings() {
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings("Kestrix", "Kestrix").clear();
}

// A main window loaded as the splash loads it, over the real libhygrovex.so
// and the catalogue beside the test program.
class LoadedWindow : public ::testing::Test {
protected:
    void SetUp() override {
        Recorder->shown.clear();
        FreshSettings();
        QString error;
        ASSERT_TRUE(component.Load(&error)) << error.toStdString();
        window = std::make_unique<frmRotor>(*component.Object(), [this] {
            ++releases;
            component.Release();
        });
        component.SetMessageSink(
            [this](const QString& title, const QString& text, const QString& helpFile, int topic) {
                window->MessageBox(title.toStdString(), text.toStdString(),
                                   MessageIcon::Exclamation, helpFile.toStdString(), topic);
            });
        ASSERT_TRUE(window->SetCaption(kMainWindowTitle));
        Recorder->shown.clear();
    }

    void TearDown() override { window.reset(); }

    template <typename T = QWidget> T* Find(const char* name) const {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QPushButton* Calc() const { return Find<QPushButton>("CmdCalc"); }
    QString Panel3() const { return QString::fromStdString(window->Text("sbrStatus.Panel3")); }
    bool Current() const { return !Calc()->isEnabled() && Panel3() != "Requires Calculation"; }

    ComponentLoader component;
    std::unique_ptr<frmRotor> window;
    int releases = 0;
};

} // namespace kestrix::ui::test
