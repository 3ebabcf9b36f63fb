// The calculator panel and the air-state pictures in the real main window,
// off screen: the controls reach the calculator, and the Hygrovex output
// window shows while a mouse button is held on a picture.
#include "ComponentLoader.h"
#include "ProjectCommands.h"
#include "Seams.h"
#include "Twips.h"
#include "frmPref.h"
#include "frmRotor.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace kestrix::ui {
namespace {

struct Shown {
    std::string title;
    std::string text;
};

// Message boxes answer at once and are remembered.
class RecordingMessages : public MessageSeam {
public:
    explicit RecordingMessages(std::vector<Shown>& shown) : shown_(shown) {}
    void Show(QWidget*, const QString& title, const QString& text, MessageKind, const QString&,
              int) override {
        shown_.push_back({title.toStdString(), text.toStdString()});
    }

private:
    std::vector<Shown>& shown_;
};

class CalculatorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageSeam(std::make_unique<RecordingMessages>(shown));
        QString error;
        ASSERT_TRUE(component.Load(&error)) << error.toStdString();
        window = std::make_unique<frmRotor>(*component.Object(), [this] { component.Release(); });
        component.SetMessageSink(
            [this](const QString& title, const QString& text, const QString&, int) {
                shown.push_back({title.toStdString(), text.toStdString()});
            });
        ASSERT_TRUE(window->SetCaption("Kestrix"));
        window->move(0, 0);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        shown.clear();
    }
    void TearDown() override {
        window.reset();
        SetMessageSeam(nullptr);
    }

    template <typename W> W* Find(const char* name) const {
        W* widget = window->findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // The output window inside libhygrovex.so, as its test entry point gives it.
    QWidget* OutputWindow() const {
        using Fn = void* (*)();
        auto fn = reinterpret_cast<Fn>(
            QLibrary::resolve(component.LibraryPath(), "HygrovexOutputWindowWidget"));
        return fn ? static_cast<QWidget*>(fn()) : nullptr;
    }
    QString Answer() const { return Find<QLabel>("lblAnswer")->text(); }

    std::vector<Shown> shown;
    ComponentLoader component;
    std::unique_ptr<frmRotor> window;
};

TEST_F(CalculatorWindowTest, StartupShowsTheSeededAnswer) {
    EXPECT_EQ(Find<QLineEdit>("txtT")->text(), "95");
    EXPECT_EQ(Find<QLineEdit>("txtM")->text(), "75");
    EXPECT_EQ(Answer(), "98.5 gr/lb");
    EXPECT_TRUE(Find<QRadioButton>("optUnits(0)")->isChecked());
}

TEST_F(CalculatorWindowTest, ControlsReachTheCalculator) {
    Find<QLineEdit>("txtM")->setText("50");
    QTest::mouseClick(Find<QRadioButton>("optUnits(2)"), Qt::LeftButton);
    EXPECT_EQ(Find<QLabel>("lblM")->text(), "% RH");
    EXPECT_EQ(Answer(), "124.4 gr/lb");

    Find<QLineEdit>("txtM")->setText("75");
    QTest::mouseClick(Find<QRadioButton>("optUnits(0)"), Qt::LeftButton);
    EXPECT_EQ(Answer(), "98.5 gr/lb");
    Find<QLineEdit>("txtElev")->setText("5000");
    QTest::mouseClick(Find<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(Answer(), "128.1 gr/lb");

    QTest::mouseClick(Find<QPushButton>("cmdPasteR"), Qt::LeftButton);
    EXPECT_EQ(Find<QLineEdit>("txtWra")->text(), "128.1");
    EXPECT_EQ(Find<QLineEdit>("txtTra")->text(), "95.0");
    EXPECT_FALSE(Find<QPushButton>("CmdCalc")->isEnabled());
    for (const Shown& m : shown)
        ADD_FAILURE() << m.title << ": " << m.text;
}

TEST_F(CalculatorWindowTest, MainUnitsResetsThePanel) {
    Find<QLineEdit>("txtM")->setText("50");
    QTest::mouseClick(Find<QRadioButton>("optUnits(2)"), Qt::LeftButton);
    auto* commands = window->findChild<ProjectCommands*>();
    ASSERT_NE(commands, nullptr);
    commands->MainUnitsDialog().SetChoice(true);
    commands->MainUnitsDialog().ChangePref();
    EXPECT_TRUE(Find<QRadioButton>("optUnits(0)")->isChecked());
    EXPECT_EQ(Find<QLineEdit>("txtT")->text(), "23.9");
    EXPECT_EQ(Find<QLineEdit>("txtM")->text(), "15.6");
    EXPECT_EQ(Find<QLabel>("lblM")->text(), "°C WB");
    EXPECT_EQ(Answer(), "7.6 g/kg");
    EXPECT_TRUE(shown.empty());
}

TEST_F(CalculatorWindowTest, EmptyBoxIsNamedAndTheAnswerStays) {
    Find<QLineEdit>("txtT")->clear();
    QTest::mouseClick(Find<QPushButton>("cmdCalculate"), Qt::LeftButton);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Warning");
    EXPECT_EQ(shown[0].text, "Moisture Calculator: the temperature box does not hold a number.");
    EXPECT_EQ(Answer(), "98.5 gr/lb");
}

TEST_F(CalculatorWindowTest, HoldingASupplyPictureShowsTheOutputWindow) {
    QLabel* picture = Find<QLabel>("imgDetails(1)");
    const QString supplyTemperature = Find<QLabel>("lblTsa")->text();
    QTest::mousePress(picture, Qt::RightButton); // any button
    QWidget* output = OutputWindow();
    ASSERT_NE(output, nullptr);
    EXPECT_TRUE(output->isVisible());
    // Beside the supply frame: the main window's corner plus 5500, 4000 twips.
    const hygrovex::_clsHygrovex& psych = *component.Object();
    EXPECT_EQ(psych.PosX(), Twips(window->pos().x()) + 5500);
    EXPECT_EQ(psych.PosY(), Twips(window->pos().y()) + 4000);
    EXPECT_NEAR(output->x(), psych.PosX() / 15.0, 1.0);
    EXPECT_NEAR(output->y(), psych.PosY() / 15.0, 1.0);
    // The main window keeps the keyboard.
    EXPECT_NE(QApplication::activeWindow(), output);
    EXPECT_FALSE(output->hasFocus());

    QTest::mouseRelease(picture, Qt::RightButton);
    EXPECT_FALSE(output->isVisible());
    EXPECT_EQ(Find<QLabel>("lblTsa")->text(), supplyTemperature);
    EXPECT_TRUE(shown.empty());
}

TEST_F(CalculatorWindowTest, PopupStaysOnTheMainWindowsScreen) {
    const QRect screen = window->screen()->availableGeometry();
    window->move(screen.right() - 100, screen.bottom() - 100);
    QLabel* picture = Find<QLabel>("imgDetails(1)");
    QTest::mousePress(picture, Qt::LeftButton);
    QWidget* output = OutputWindow();
    ASSERT_NE(output, nullptr);
    EXPECT_TRUE(output->isVisible());
    EXPECT_TRUE(screen.contains(QRect(output->pos(), QSize(Px(2775), Px(2580)))))
        << output->pos().x() << "," << output->pos().y();
    QTest::mouseRelease(picture, Qt::LeftButton);
    EXPECT_FALSE(output->isVisible());
}

TEST_F(CalculatorWindowTest, EmptyStreamTextOpensNoPopup) {
    QWidget* before = OutputWindow();
    const bool wasVisible = before && before->isVisible();
    ASSERT_FALSE(wasVisible);
    Find<QLineEdit>("txtWoa")->clear();
    QLabel* picture = Find<QLabel>("imgDetails(0)");
    QTest::mousePress(picture, Qt::LeftButton);
    QWidget* output = OutputWindow();
    EXPECT_TRUE(output == nullptr || !output->isVisible());
    QTest::mouseRelease(picture, Qt::LeftButton);
    EXPECT_TRUE(shown.empty());
}

} // namespace
} // namespace kestrix::ui

int main(int argc, char** argv) {
    // Listing the tests (CTest's discovery) needs a display too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
