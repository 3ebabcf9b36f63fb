// The output window of libhygrovex.so, off screen: its rows after a
// calculation in both unit systems, its flags and geometry, ShowForm and
// HideForm, what an error leaves in it, and the default message box.
#include "PsychFixture.h"

#include "hygrovex/HygrovexTesting.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace hygrovex;
using namespace hygrovex::testing;

namespace {

QWidget* Window() {
    return static_cast<QWidget*>(HygrovexOutputWindowWidget());
}

// The value column of the window's rows.
std::vector<std::string> Values() {
    std::vector<std::string> values;
    std::istringstream lines(HygrovexOutputWindowRows());
    for (std::string line; std::getline(lines, line);)
        values.push_back(line.substr(line.find('\t') + 1));
    return values;
}

// Runs first in this program: the window does not exist before a Calculate.
TEST(A_OutputWindow, IsCreatedHiddenByTheFirstCalculate) {
    EXPECT_EQ(Window(), nullptr);
    EXPECT_STREQ(HygrovexOutputWindowRows(), "");
    MessageRecorder messages;
    Calculate(*NewObject(), {95, kWetBulb, 75});
    ASSERT_NE(Window(), nullptr);
    EXPECT_FALSE(Window()->isVisible());
}

TEST(OutputWindow, ShowsTheInchPoundRows) {
    MessageRecorder messages;
    ObjectPtr p = NewObject();
    Calculate(*p, {95, kWetBulb, 75, 0, 1000});
    EXPECT_EQ(HygrovexOutputWindowRows(), std::string("Dry Bulb Temp.\t95.0°F\n"
                                                      "Wet Bulb Temp.\t75.0°F\n"
                                                      "Dew Point Temp.\t66.8°F\n"
                                                      "RH\t39.8%\n"
                                                      "Humidity Ratio\t98.5 gr/lb\n"
                                                      "Humidity Ratio\t0.01407 lb/lb\n"
                                                      "Enthalpy\t38.32 BTU/lb\n"
                                                      "Specific Volume\t14.30 cu.ft/lb\n"
                                                      "Air Volume\t1,000.0 scfm\n"
                                                      "Air Volume\t1,072.5 cfm\n"));
    Window()->grab().save(QStringLiteral("hygrovex_output_ip.png"));
}

TEST(OutputWindow, ShowsTheMetricRows) {
    MessageRecorder messages;
    ObjectPtr p = NewObject();
    Calculate(*p, {25, kRelHum, 5, 0, 1699.014, true, true});
    const auto values = Values();
    ASSERT_EQ(values.size(), 10u);
    EXPECT_EQ(values[0], "25.0°C");
    EXPECT_EQ(values[3], "5.0%") << "one integer digit below 10 %";
    EXPECT_EQ(values[7], "0.846 cu.m/kg") << "three decimals and a leading zero";
    EXPECT_EQ(values[8], "1,699.0 scmh");
    EXPECT_EQ(values[4].substr(values[4].size() - 5), " g/kg");
    EXPECT_EQ(values[5].substr(0, 2), "0.");
    EXPECT_EQ(values[5].substr(values[5].size() - 6), " kg/kg");
    EXPECT_EQ(values[6].substr(values[6].size() - 6), " kJ/kg");
    EXPECT_EQ(values[9].substr(values[9].size() - 4), " cmh");
    Window()->grab().save(QStringLiteral("hygrovex_output_si.png"));
}

TEST(OutputWindow, IsABorderlessToolWindowThatTakesNoFocus) {
    MessageRecorder messages;
    Calculate(*NewObject(), {95, kWetBulb, 75});
    QWidget* w = Window();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(w->windowType(), Qt::Tool) << "tool windows stay out of the task bar";
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(w->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(w->size(), QSize(2775 / 15, 2580 / 15));
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(233, 224, 207));
    // Rows at 120 + 240·row twips, values at 1440 twips.
    auto* dp = w->findChild<QLabel*>(QStringLiteral("lblDP(0)"));
    ASSERT_NE(dp, nullptr);
    EXPECT_EQ(dp->geometry(), QRect(1440 / 15, (120 + 240 * 2) / 15, 1335 / 15, 255 / 15));
    auto* cfmCaption = w->findChild<QLabel*>(QStringLiteral("lblScfm(4)"));
    ASSERT_NE(cfmCaption, nullptr);
    EXPECT_EQ(cfmCaption->text(), "Air Volume");
    EXPECT_NE(w->findChild<QLabel*>(QStringLiteral("lblBTU(0)")), nullptr);
    EXPECT_NE(w->findChild<QLabel*>(QStringLiteral("lblH")), nullptr);
}

TEST(OutputWindow, ShowFormPlacesItInTwipsAndHideFormKeepsItsContents) {
    MessageRecorder messages;
    ObjectPtr p = NewObject();
    Calculate(*p, {95, kWetBulb, 75});
    p->PosX(1500);
    p->PosY(3000);
    p->ShowForm();
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_EQ(Window()->pos(), QPoint(100, 200));
    const std::string shown = HygrovexOutputWindowRows();
    p->HideForm();
    EXPECT_FALSE(Window()->isVisible());
    EXPECT_EQ(HygrovexOutputWindowRows(), shown);
}

TEST(OutputWindow, ASecondObjectChangesWhatTheFirstShows) {
    MessageRecorder messages;
    ObjectPtr first = NewObject();
    ObjectPtr second = NewObject();
    Calculate(*first, {95, kWetBulb, 75});
    Calculate(*second, {70, kGrains, 50});
    first->ShowForm();
    EXPECT_EQ(Values()[0], "70.0°F");
    first->HideForm();
}

TEST(OutputWindow, AfterARangeErrorShowsTheNewDryBulbAndTheOldHumidity) {
    MessageRecorder messages;
    ObjectPtr p = NewObject();
    Calculate(*p, {95, kWetBulb, 75});
    Calculate(*p, {80, kGrains, 600});
    ASSERT_EQ(messages.shown.size(), 1u);
    const auto values = Values();
    EXPECT_EQ(values[0], "80.0°F");
    EXPECT_EQ(values[1], "75.0°F");
    EXPECT_EQ(values[3], "39.8%");
}

TEST(OutputWindow, DefaultRangeMessageIsAModalErrorBox) {
    QString title, text;
    bool hasHelp = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        hasHelp = box->button(QMessageBox::Help) != nullptr;
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        box->accept();
    });
    ObjectPtr p = NewObject();
    Calculate(*p, {95, kGrains, 600});
    EXPECT_EQ(title, "Error");
    EXPECT_EQ(text.toStdString(), kRangeText);
    EXPECT_TRUE(hasHelp) << "the help page lies beside the test program";
    EXPECT_TRUE(p->LastCalculateFailed());
}

} // namespace

int main(int argc, char** argv) {
    // Test discovery runs the program without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
