// The splash window's hand-over to the main window, and the help viewer.
#include "UiTestSupport.h"

#include "HelpViewer.h"
#include "frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace kestrix::ui::test {
namespace {

class Splash : public ::testing::Test {
protected:
    void SetUp() override {
        Recorder->shown.clear();
        FreshSettings();
        QString error;
        ASSERT_TRUE(component.Load(&error)) << error.toStdString();
        window = std::make_unique<frmRotor>(*component.Object(), [this] { component.Release(); });
        splash = std::make_unique<frmSplash>(*window);
    }
    void TearDown() override {
        splash.reset();
        window.reset();
    }
    ComponentLoader component;
    std::unique_ptr<frmRotor> window;
    std::unique_ptr<frmSplash> splash;
};

TEST_F(Splash, LoadingTheSplashLoadsTheMainWindowHidden) {
    ASSERT_TRUE(splash->Load());
    EXPECT_EQ(splash->findChild<QLabel*>("LblVersion")->text(), "Version 1.2.3");
    EXPECT_EQ(window->windowTitle(), kMainWindowTitle);
    EXPECT_TRUE(window->IsLoaded());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->Visible("Picture1(1)"));
    EXPECT_FALSE(window->Text("lblTsa").empty()); // already calculated
}

TEST_F(Splash, EveryWayOfContinuingShowsTheMainWindow) {
    using Act = std::function<void(frmSplash&)>;
    auto click = [](const char* name) {
        return Act([name](frmSplash& s) {
            QTest::mouseClick(s.findChild<QWidget*>(name), Qt::LeftButton);
        });
    };
    auto key = [](Qt::Key k) { return Act([k](frmSplash& s) { QTest::keyClick(&s, k); }); };
    const std::pair<const char*, Act> rows[] = {
        {"Continue button", click("Command1")},
        {"a letter key", key(Qt::Key_A)},
        {"Escape", key(Qt::Key_Escape)},
        {"Enter", key(Qt::Key_Return)},
        {"product line", click("lblCompanyProduct")},
        {"copyright line", click("lblCopyright")},
        {"company line", click("lblCompany")},
        {"closing the splash", Act([](frmSplash& s) { s.close(); })},
    };
    for (const auto& [what, act] : rows) {
        TearDown(); // a fresh component, main window and splash for each way
        SetUp();
        ASSERT_TRUE(splash->Load());
        splash->show();
        QApplication::processEvents();
        act(*splash);
        EXPECT_TRUE(window->isVisible()) << what;
        EXPECT_FALSE(splash->isVisible()) << what;
    }
}

TEST_F(Splash, AMissingCatalogueStopsTheStart) {
    QTemporaryDir empty;
    window->SetCatalogueDir(empty.path());
    EXPECT_FALSE(splash->Load());
    ASSERT_FALSE(Recorder->shown.empty());
    EXPECT_TRUE(Recorder->shown.back().text.contains("qvdcmd121.dta"))
        << Recorder->shown.back().text.toStdString();
}

class Help : public ::testing::Test {
protected:
    void SetUp() override { SetHelpSearchPaths({KESTRIX_HELP_SOURCE}); }
    void TearDown() override {
        CloseHelp();
        SetHelpSearchPaths({});
    }
};

TEST_F(Help, HelpFileNamesMapToInstalledPages) {
    QTemporaryDir first, second;
    QDir(first.path()).mkpath("Vardane");
    QDir(second.path()).mkpath("psych");
    QFile(first.path() + "/Vardane/index.html").open(QIODevice::WriteOnly);
    QFile(second.path() + "/psych/600.html").open(QIODevice::WriteOnly);
    SetHelpSearchPaths({first.path(), second.path()});
    const struct {
        const char* file;
        int topic;
        QString expected;
    } rows[] = {
        {"Vardane.hlp", 0, first.path() + "/Vardane/index.html"},
        {"VARDANE.HLP", 0, QString()}, // books are folders: names are exact
        {"psych.hlp", 600, second.path() + "/psych/600.html"},
        {"psych.hlp", 601, QString()},
        {"../psych.hlp", 600,
         second.path() + "/psych/600.html"}, // a folder in the name is not followed
        {"", 0, QString()},
    };
    for (const auto& row : rows)
        EXPECT_EQ(HelpPagePath(row.file, row.topic), row.expected) << row.file << " " << row.topic;
}

TEST_F(Help, ProgramHelpPagesLinkOnlyToPagesThatExist) {
    const QDir book(QStringLiteral(KESTRIX_HELP_SOURCE) + "/Vardane");
    const QStringList pages = book.entryList({"*.html"});
    ASSERT_TRUE(pages.contains("index.html"));
    ASSERT_GE(pages.size(), 6);
    const QRegularExpression link(R"(href="([^"#:]+)(#[^"]*)?")");
    for (const QString& page : pages) {
        QFile file(book.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(QFile::exists(book.filePath(target)))
                << page.toStdString() << " links to " << target.toStdString();
        }
    }
}

TEST_F(Help, ContentsF1AndTheMissingBook) {
    QString error;
    ComponentLoader component;
    ASSERT_TRUE(component.Load(&error));
    frmRotor window(*component.Object());
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.findChild<QWidget*>("txtToa"), Qt::Key_F1);
    ASSERT_NE(OpenHelpViewer(), nullptr);
    EXPECT_EQ(OpenHelpViewer()->HelpFile(), "Vardane.hlp");
    EXPECT_TRUE(OpenHelpViewer()->Browser()->source().path().endsWith("Vardane/index.html"));
    EXPECT_TRUE(OpenHelpViewer()->Browser()->toPlainText().contains("Kestrix"));

    // No book installed: the viewer says so; the program reports nothing itself.
    Recorder->shown.clear();
    QTemporaryDir empty;
    SetHelpSearchPaths({empty.path()});
    window.mnuHelpContents_Click();
    EXPECT_TRUE(OpenHelpViewer()->Browser()->toPlainText().contains("Vardane.hlp"));
    EXPECT_TRUE(Recorder->shown.empty());
}

// The program's own message box (not the recorder): its icon, and a Help button
// that opens the topic while the box stays open.
TEST_F(Help, MessageBoxHelpButtonOpensTheTopicAndTheBoxStaysOpen) {
    struct Seen {
        bool found = false;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool hasHelp = false;
        bool helpOpened = false;
        bool openAfterHelp = false;
    };
    auto show = [](MessageKind kind, const QString& helpFile, int topic) {
        Seen seen;
        // Answers the box from inside its own event loop; a stray box is
        // closed after a while so the test can never wait for a user.
        QTimer::singleShot(0, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen.found = true;
            seen.icon = box->icon();
            if (QAbstractButton* help = box->button(QMessageBox::Help)) {
                seen.hasHelp = true;
                help->click();
                seen.helpOpened = OpenHelpViewer() && OpenHelpViewer()->HelpFile() == "psych.hlp" &&
                                  OpenHelpViewer()->Topic() == 600;
                seen.openAfterHelp = box->isVisible();
            }
            box->button(QMessageBox::Ok)->click();
        });
        QTimer::singleShot(5000, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<QMessageBox*>(w))
                    w->close();
        });
        Messages().Show(nullptr, "Title", "Text", kind, helpFile, topic);
        return seen;
    };

    SetMessageSeam(nullptr); // the program's QMessageBox
    const Seen range = show(MessageKind::Error, "psych.hlp", 600);
    const Seen about = show(MessageKind::Information, QString(), 0);
    auto recorder = std::make_unique<MessageRecorder>();
    Recorder = recorder.get();
    SetMessageSeam(std::move(recorder));

    ASSERT_TRUE(range.found);
    EXPECT_EQ(range.icon, QMessageBox::Warning); // the exclamation icon
    EXPECT_TRUE(range.hasHelp);
    EXPECT_TRUE(range.helpOpened);
    EXPECT_TRUE(range.openAfterHelp);
    ASSERT_TRUE(about.found);
    EXPECT_EQ(about.icon, QMessageBox::NoIcon);
    EXPECT_FALSE(about.hasHelp);
}

} // namespace
} // namespace kestrix::ui::test
