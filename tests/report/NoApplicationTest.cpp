// The report commands called where no QGuiApplication runs (a library caller
// without a display): each says what is missing instead of crashing, and
// nothing is written.
#include "StartupForm.h"
#include "report/ReportCommands.h"
#include "ui/Seams.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kestrix::report {
namespace {

class RecordingMessages : public ui::MessageSeam {
public:
    explicit RecordingMessages(std::vector<QString>& texts) : texts_(texts) {}
    void Show(QWidget*, const QString&, const QString& text, ui::MessageKind, const QString&,
              int) override {
        texts_.push_back(text);
    }

private:
    std::vector<QString>& texts_;
};

TEST(ReportWithoutApplication, ClipboardPrinterAndPdfSayWhatIsMissing) {
    std::vector<QString> messages;
    ui::SetMessageSeam(std::make_unique<RecordingMessages>(messages));
    testing::StartupForm startup;

    EXPECT_FALSE(CopyToClipboard(nullptr, startup.form, true));
    EXPECT_EQ(PrintReport(nullptr, startup.form), 0);
    const QString pdf = QDir::temp().filePath("kestrix-no-application.pdf");
    EXPECT_EQ(WritePdf(startup.form, pdf), "the printer service is not available");
    EXPECT_FALSE(QFileInfo::exists(pdf));

    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "The results could not be copied: the clipboard is not available.");
    EXPECT_EQ(messages[1],
              "The report could not be printed: the printer service is not available.");
}

} // namespace
} // namespace kestrix::report
