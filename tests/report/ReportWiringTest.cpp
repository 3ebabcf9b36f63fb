// The main window reaches the report commands: its menu items and toolbar
// buttons print, export and copy the case the window shows.
#include "report/CopyResults.h"
#include "report/ReportCommands.h"

#include "ComponentLoader.h"
#include "Seams.h"
#include "frmRotor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace kestrix::report {
namespace {

struct Answers {
    QString saveName;
    int printDialogs = 0;
    int messages = 0;
};

class AnsweringDialogs : public ui::DialogSeam {
public:
    explicit AnsweringDialogs(Answers& answers) : answers_(answers) {}
    QString OpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString SaveFileName(QWidget*, const QString&, const QString&) override {
        return answers_.saveName;
    }
    bool Print(QWidget*, QPrinter&) override {
        ++answers_.printDialogs;
        return false; // cancelled
    }

private:
    Answers& answers_;
};

class CountingMessages : public ui::MessageSeam {
public:
    explicit CountingMessages(Answers& answers) : answers_(answers) {}
    void Show(QWidget*, const QString&, const QString&, ui::MessageKind, const QString&,
              int) override {
        ++answers_.messages;
    }

private:
    Answers& answers_;
};

class ReportWiring : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        ui::SetDialogSeam(std::make_unique<AnsweringDialogs>(answers));
        ui::SetMessageSeam(std::make_unique<CountingMessages>(answers));
        QString error;
        ASSERT_TRUE(component.Load(&error)) << error.toStdString();
        window =
            std::make_unique<ui::frmRotor>(*component.Object(), [this] { component.Release(); });
        ASSERT_TRUE(window->SetCaption("Kestrix"));
    }
    void TearDown() override { window.reset(); }

    void Trigger(const char* action) {
        QAction* item = window->findChild<QAction*>(action);
        ASSERT_NE(item, nullptr) << action;
        item->trigger();
    }

    QTemporaryDir settings;
    QTemporaryDir folder;
    Answers answers;
    ui::ComponentLoader component;
    std::unique_ptr<ui::frmRotor> window;
};

TEST_F(ReportWiring, MenusAndToolbarReachTheReportCommands) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    Trigger("mnuEditCopyWord");
    EXPECT_EQ(clipboard->text().toStdString(), CopyResults(window->Form(), kWordLayout).value());
    Trigger("mnuEditCopy");
    const std::string excel = CopyResults(window->Form(), kExcelLayout).value();
    EXPECT_EQ(clipboard->text().toStdString(), excel);
    clipboard->setText("other");
    window->tbToolBar_ButtonClick("Copy");
    EXPECT_EQ(clipboard->text().toStdString(), excel);

    Trigger("mnuFilePrint");
    window->tbToolBar_ButtonClick("Print");
    EXPECT_EQ(answers.printDialogs, 2);

    answers.saveName = folder.filePath("AHU-2");
    Trigger("mnuFileExportPdf");
    QFile pdf(folder.filePath("AHU-2.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_EQ(answers.messages, 0);
}

} // namespace
} // namespace kestrix::report

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
