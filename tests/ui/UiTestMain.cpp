// The window tests run inside one QApplication with recorders in place of the
// message boxes and dialogs, so no test ever waits for a user.
#include "UiTestSupport.h"

#include "Artwork.h"
#include "Style.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace kestrix::ui::test {

MessageRecorder* Recorder = nullptr;

void MessageRecorder::Show(QWidget*, const QString& title, const QString& text, MessageKind kind,
                           const QString& helpFile, int helpTopic) {
    shown.push_back({title, text, kind, helpFile, helpTopic});
}

} // namespace kestrix::ui::test

int main(int argc, char** argv) {
    // Headless unless told otherwise: CTest also runs this program to list the
    // tests, without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kestrix::ui::ApplyKestrixStyle();
    kestrix::ui::InitArtwork();
    auto recorder = std::make_unique<kestrix::ui::test::MessageRecorder>();
    kestrix::ui::test::Recorder = recorder.get();
    kestrix::ui::SetMessageSeam(std::move(recorder));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
