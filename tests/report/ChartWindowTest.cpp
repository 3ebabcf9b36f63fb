// The chart window beside the main window: opened from View and the toolbar,
// following every calculation, telling each state's values on hover, and
// File > Export Chart… through the dialog seam.
#include "ProductInfo.h"
#include "Seams.h"
#include "frmChart.h"
#include "frmRotor.h"

#include <hygrovex/clsHygrovex.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kestrix::ui {
namespace {

struct Shown {
    QString title;
    QString text;
};

class MessageRecorder : public MessageSeam {
public:
    void Show(QWidget*, const QString& title, const QString& text, MessageKind, const QString&,
              int) override {
        shown.push_back({title, text});
    }
    std::vector<Shown> shown;
};

class DialogAnswers : public DialogSeam {
public:
    QString OpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString SaveFileName(QWidget*, const QString& title, const QString& filter) override {
        asked.push_back(title + " | " + filter);
        return nextPath;
    }
    bool Print(QWidget*, QPrinter&) override { return false; }
    QString nextPath;
    std::vector<QString> asked;
};

MessageRecorder* gMessages = nullptr;
DialogAnswers* gDialogs = nullptr;

class ChartWindow : public ::testing::Test {
protected:
    void SetUp() override {
        gMessages->shown.clear();
        gDialogs->asked.clear();
        window = std::make_unique<frmRotor>(*component);
        window->SetCatalogueDir(KESTRIX_TEST_RESOURCES);
        ASSERT_TRUE(window->SetCaption(kMainWindowTitle));
        gMessages->shown.clear();
    }
    void TearDown() override { window.reset(); }

    QAction* Action(const char* name) const {
        QAction* action = window->findChild<QAction*>(name);
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    frmChart* OpenChart() {
        Action("mnuViewChart")->trigger();
        return window->ChartWindow();
    }

    struct Release {
        void operator()(hygrovex::_clsHygrovex* object) const { HygrovexReleaseObject(object); }
    };
    std::unique_ptr<hygrovex::_clsHygrovex, Release> component{
        HygrovexCreateObject(hygrovex::kClassId)};
    std::unique_ptr<frmRotor> window;
};

TEST_F(ChartWindow, OpensFromTheViewMenuAndTheToolbarWithTheCurrentCase) {
    EXPECT_EQ(window->ChartWindow(), nullptr);
    Action("tbChart")->trigger();
    frmChart* chart = window->ChartWindow();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_EQ(chart->windowTitle(), "Psychrometric Chart");
    const DesignCase& dc = window->Form().Case();
    const chart::ChartModel& m = chart->Model();
    EXPECT_TRUE(m.hasStates);
    EXPECT_EQ(m.states[1].T, dc.Tsa);
    EXPECT_EQ(m.states[3].W, dc.Wea);
    // The menu item shows the same window again rather than a second one.
    EXPECT_EQ(OpenChart(), chart);
}

TEST_F(ChartWindow, FollowsEveryCalculation) {
    frmChart* chart = OpenChart();
    ASSERT_NE(chart, nullptr);
    auto* toa = window->findChild<QLineEdit*>("txtToa");
    ASSERT_NE(toa, nullptr);
    toa->setText("55");
    window->findChild<QPushButton*>("CmdCalc")->click();
    EXPECT_EQ(chart->Model().states[0].T, 55);
    EXPECT_EQ(chart->Model().states[1].T, window->Form().Case().Tsa);
}

TEST_F(ChartWindow, HoverTellsTheStateItRestsOn) {
    frmChart* chart = OpenChart();
    ASSERT_NE(chart, nullptr);
    chart->resize(900, 600);
    const chart::ChartLayout& L = chart->Layout();
    ASSERT_EQ(L.marks.size(), 4u);
    const chart::Point at = L.marks[1].at;
    const QString text = chart->ToolTipAt({at.x + 2, at.y - 1});
    EXPECT_TRUE(text.contains("Supply Air")) << text.toStdString();
    EXPECT_TRUE(text.contains("Wet Bulb Temp.")) << text.toStdString();
    EXPECT_TRUE(text.contains("°F")) << text.toStdString();
    EXPECT_TRUE(chart->ToolTipAt({L.map.Plot().left + 2, L.map.Plot().bottom() - 2}).isEmpty());
}

TEST_F(ChartWindow, ExportChartWritesTheChosenFormat) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Row {
        const char* name;
        QString answer;  // the file name the dialog gives
        QString written; // the file expected, empty for none
        bool svg;
    } rows[] = {
        {"a PNG name", dir.filePath("a.png"), dir.filePath("a.png"), false},
        {"a name without suffix gets .png", dir.filePath("b"), dir.filePath("b.png"), false},
        {"an SVG name", dir.filePath("c.svg"), dir.filePath("c.svg"), true},
        {"cancelled", QString(), QString(), false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        gDialogs->nextPath = r.answer;
        Action("mnuFileExportChart")->trigger();
        EXPECT_TRUE(gMessages->shown.empty());
        if (r.written.isEmpty())
            continue;
        if (r.svg) {
            EXPECT_TRUE(QSvgRenderer(r.written).isValid());
        } else {
            QImage image;
            EXPECT_TRUE(image.load(r.written, "PNG"));
        }
    }
    ASSERT_FALSE(gDialogs->asked.empty());
    EXPECT_TRUE(gDialogs->asked[0].startsWith("Export Chart | "));
}

TEST_F(ChartWindow, ExportChartToAnUnwritablePlaceTellsWhy) {
    QTemporaryDir dir;
    const QString path = dir.filePath("missing-folder/chart.png");
    gDialogs->nextPath = path;
    Action("mnuFileExportChart")->trigger();
    ASSERT_EQ(gMessages->shown.size(), 1u);
    EXPECT_EQ(gMessages->shown[0].title, "Export Chart");
    EXPECT_TRUE(gMessages->shown[0].text.contains(path)) << gMessages->shown[0].text.toStdString();
}

} // namespace
} // namespace kestrix::ui

int main(int argc, char** argv) {
    // Headless also when CTest lists the tests, which it does without the
    // test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    auto messages = std::make_unique<kestrix::ui::MessageRecorder>();
    auto dialogs = std::make_unique<kestrix::ui::DialogAnswers>();
    kestrix::ui::gMessages = messages.get();
    kestrix::ui::gDialogs = dialogs.get();
    kestrix::ui::SetMessageSeam(std::move(messages));
    kestrix::ui::SetDialogSeam(std::move(dialogs));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
