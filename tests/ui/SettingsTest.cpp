// The settings kept between runs: how stored texts become values, how a
// stored position is kept on a screen, and what the store holds after the
// load and unload steps.
#include "Settings.h"
#include "ProjectTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include <optional>
#include <string>

namespace kestrix::ui {
namespace {

TEST(SettingText, BooleansFollowTheTextToBooleanRule) {
    struct Row {
        const char* stored;
        std::optional<bool> value;
    };
    const Row rows[] = {
        {"True", true},
        {"False", false},
        {"TRUE", true},
        {"false", false},
        {"tRuE", true},
        {" True ", true},
        {"0", false},
        {"1", true},
        {"-1", true},
        {"0.0", false},
        {"2.5", true},
        {"Yes", std::nullopt},
        {"", std::nullopt},
        {"#TRUE#", std::nullopt},
        {"Truee", std::nullopt},
        {"1,5", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(BoolFromSettingText(row.stored), row.value) << '"' << row.stored << '"';
    EXPECT_EQ(SettingText(true), "True");
    EXPECT_EQ(SettingText(false), "False");
}

TEST(SettingText, NumbersAreSingleAndPlain) {
    struct Row {
        const char* stored;
        std::optional<float> value;
    };
    const Row rows[] = {
        {"1000", 1000.0f},      {"-240", -240.0f},       {"1012.5", 1012.5f},
        {" 15 ", 15.0f},        {"1e3", 1000.0f},        {"abc", std::nullopt},
        {"", std::nullopt},     {"1,000", std::nullopt}, {"12px", std::nullopt},
        {"1e39", std::nullopt}, {"nan", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(NumberFromSettingText(row.stored), row.value) << '"' << row.stored << '"';

    EXPECT_EQ(SettingText(1000.0f), "1000");
    EXPECT_EQ(SettingText(-240.0f), "-240");
    EXPECT_EQ(SettingText(1012.5f), "1012.5");
    EXPECT_EQ(SettingText(151200.0f), "151200"); // wide desktops: still no exponent
    EXPECT_EQ(SettingText(0.0f), "0");
}

TEST(SettingText, MissingOrUnconvertibleTextsGiveTheDefault) {
    EXPECT_TRUE(SettingBool(std::nullopt, true));
    EXPECT_FALSE(SettingBool(std::string("maybe"), false));
    EXPECT_TRUE(SettingBool(std::string("maybe"), true));
    EXPECT_TRUE(SettingBool(std::string("true"), false));
    EXPECT_EQ(SettingNumber(std::nullopt, 1000), 1000);
    EXPECT_EQ(SettingNumber(std::string("left"), 1000), 1000);
    EXPECT_EQ(SettingNumber(std::string("2400"), 1000), 2400);
}

TEST(Placement, AWindowOutsideEveryScreenComesBackToTheNearest) {
    const ScreenRect left{0, 0, 1920, 1050};
    const ScreenRect right{1920, 0, 1280, 1000};
    const std::vector<ScreenRect> two{left, right};
    struct Row {
        const char* name;
        ScreenRect window;
        std::vector<ScreenRect> screens;
        ScreenRect placed;
    };
    const Row rows[] = {
        {"inside the first screen stays", {67, 67, 672, 455}, two, {67, 67, 672, 455}},
        {"inside the second screen stays", {2000, 100, 672, 455}, two, {2000, 100, 672, 455}},
        {"across both screens stays", {1700, 100, 672, 455}, two, {1700, 100, 672, 455}},
        {"partly off the right edge with enough showing stays",
         {3100, 100, 672, 455},
         two,
         {3100, 100, 672, 455}},
        {"beyond the right of the second screen moves onto it",
         {4000, 100, 672, 455},
         two,
         {2528, 100, 672, 455}},
        {"a screen that was unplugged: back onto the first",
         {-3000, 200, 672, 455},
         two,
         {0, 200, 672, 455}},
        {"title bar above the top moves down", {100, -200, 672, 455}, two, {100, 0, 672, 455}},
        {"below the bottom moves up", {100, 5000, 672, 455}, two, {100, 595, 672, 455}},
        {"too little width showing moves in",
         {1880, 1500, 672, 455},
         {left},
         {1248, 595, 672, 455}},
        {"larger than the screen goes to its corner",
         {5000, 5000, 900, 700},
         {{0, 0, 800, 600}},
         {0, 0, 900, 700}},
        {"a screen not at the origin",
         {0, 0, 672, 455},
         {{100, 50, 1024, 768}},
         {100, 50, 672, 455}},
        {"no screens: left where it is", {-5000, -5000, 672, 455}, {}, {-5000, -5000, 672, 455}},
    };
    for (const Row& row : rows) {
        const ScreenRect placed = PlaceOnScreens(row.window, row.screens);
        EXPECT_EQ(placed, row.placed) << row.name << ": " << placed.left << ", " << placed.top;
    }
}

// The store, in a folder of the test's own.
class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QSettings(kSettingsApplication, kSettingsApplication).clear();
    }
    static QString Stored(const char* name) {
        QSettings store(kSettingsApplication, kSettingsApplication);
        return store.value(QString("Settings/") + name, "(missing)").toString();
    }
    static void Store(const char* name, const QString& text) {
        QSettings store(kSettingsApplication, kSettingsApplication);
        store.setValue(QString("Settings/") + name, text);
    }
    QTemporaryDir dir;
};

TEST_F(SettingsStore, FirstStartUsesTheDefaults) {
    const StartupSettings settings = ReadStartupSettings();
    EXPECT_FALSE(settings.SIUnits);
    EXPECT_FALSE(settings.AcfmUnits);
    const StoredPosition position = ReadStoredPosition();
    EXPECT_EQ(position.left, 1000);
    EXPECT_EQ(position.top, 1000);
}

TEST_F(SettingsStore, StoredTextsAreReadAndUnconvertibleOnesFallBack) {
    Store(kSettingSIUnits, "true");
    Store(kSettingAcfm, "sometimes");
    Store(kSettingMainLeft, "2400");
    Store(kSettingMainTop, "top");
    const StartupSettings settings = ReadStartupSettings();
    EXPECT_TRUE(settings.SIUnits);
    EXPECT_FALSE(settings.AcfmUnits);
    const StoredPosition position = ReadStoredPosition();
    EXPECT_EQ(position.left, 2400);
    EXPECT_EQ(position.top, 1000);
}

TEST_F(SettingsStore, UnloadWritesPlacementAndFlagsUnlessMinimised) {
    QWidget window;
    window.setGeometry(80, 60, 672, 455);
    DesignCase dc;
    dc.SIUnits = true;
    dc.AcfmUnits = true;
    WriteShutdownSettings(window, dc);
    EXPECT_EQ(Stored(kSettingMainLeft), "1200");
    EXPECT_EQ(Stored(kSettingMainTop), "900");
    EXPECT_EQ(Stored(kSettingMainWidth), "10080");
    EXPECT_EQ(Stored(kSettingMainHeight), "6825");
    EXPECT_EQ(Stored(kSettingAcfm), "True");
    EXPECT_EQ(Stored(kSettingSIUnits), "True");

    // Closed while minimised: only the main units are written.
    window.move(300, 300);
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    dc.SIUnits = false;
    dc.AcfmUnits = false;
    WriteShutdownSettings(window, dc);
    EXPECT_EQ(Stored(kSettingMainLeft), "1200");
    EXPECT_EQ(Stored(kSettingMainTop), "900");
    EXPECT_EQ(Stored(kSettingAcfm), "True");
    EXPECT_EQ(Stored(kSettingSIUnits), "False");
}

TEST_F(SettingsStore, AStoredPositionOffEveryScreenComesBack) {
    QWidget window;
    window.resize(672, 455);
    Store(kSettingMainLeft, "1500");
    Store(kSettingMainTop, "750");
    StoredPosition placed = PlaceStoredPosition(window);
    EXPECT_EQ(placed.left, 1500);
    EXPECT_EQ(placed.top, 750);

    Store(kSettingMainLeft, "-90000");
    Store(kSettingMainTop, "1e30");
    placed = PlaceStoredPosition(window);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(placed.left, screen.left() * 15.0f);
    EXPECT_EQ(placed.top, std::max(screen.top(), screen.bottom() + 1 - 455) * 15.0f);
}

// The load and unload steps of the real main window with the store.
class SettingsWindow : public test::ProjectWindow {
protected:
    bool StoreSettings() override {
        for (const auto& [name, text] : stored)
            QSettings(kSettingsApplication, kSettingsApplication)
                .setValue(QString("Settings/") + name, text);
        return !stored.empty();
    }
    static QString Stored(const char* name) {
        QSettings store(kSettingsApplication, kSettingsApplication);
        return store.value(QString("Settings/") + name, "(missing)").toString();
    }
    std::vector<std::pair<const char*, QString>> stored;
};

TEST_F(SettingsWindow, FirstStartIsInchPoundStandardVolumesAtTheDefaultPlace) {
    EXPECT_FALSE(window->Form().Case().SIUnits);
    EXPECT_FALSE(window->Form().Case().AcfmUnits);
    EXPECT_EQ(Find<QLabel>("lblscfm(0)")->text(), "scfm");
    EXPECT_EQ(window->pos(), QPoint(67, 67)); // 1000 twips
    EXPECT_FALSE(MainUnits().SIChosen());
    EXPECT_FALSE(AirFlow().ActualChosen());
}

TEST_F(SettingsWindow, ClosingStoresTheChoicesAndTheNextStartUsesThem) {
    ChooseMainUnits(true);
    ChooseAirFlow(true);
    window->show();
    window->move(90, 75);
    window->close();
    EXPECT_EQ(Stored(kSettingSIUnits), "True");
    EXPECT_EQ(Stored(kSettingAcfm), "True");
    EXPECT_EQ(Stored(kSettingMainLeft), QString::number(window->frameGeometry().x() * 15));
    EXPECT_EQ(Stored(kSettingMainTop), QString::number(window->frameGeometry().y() * 15));
    EXPECT_EQ(Stored(kSettingMainWidth), QString::number(window->frameGeometry().width() * 15));
    EXPECT_EQ(Stored(kSettingMainHeight), QString::number(window->frameGeometry().height() * 15));

    // The next start.
    Restart();
    EXPECT_TRUE(window->Form().Case().SIUnits);
    EXPECT_TRUE(window->Form().Case().AcfmUnits);
    EXPECT_EQ(Find<QLabel>("lblGrlb(0)")->text(), "g/kg");
    EXPECT_EQ(Find<QLabel>("lblscfm(0)")->text(), "acmh");
    EXPECT_TRUE(MainUnits().SIChosen());
    EXPECT_TRUE(AirFlow().ActualChosen());
    EXPECT_EQ(window->frameGeometry().topLeft(),
              QPoint(Stored(kSettingMainLeft).toInt() / 15, Stored(kSettingMainTop).toInt() / 15));
}

TEST_F(SettingsWindow, ClosingWhileMinimisedKeepsThePlacementAndVolumeChoice) {
    QSettings store(kSettingsApplication, kSettingsApplication);
    store.setValue("Settings/MainLeft", "2000");
    store.setValue("Settings/MainTop", "1500");
    store.setValue("Settings/MainWidth", "9000");
    store.setValue("Settings/MainHeight", "7000");
    store.setValue("Settings/acfm", "False");
    store.sync();
    ChooseMainUnits(true);
    ChooseAirFlow(true);
    window->showMinimized();
    ASSERT_TRUE(window->isMinimized());
    window->close();
    EXPECT_EQ(Stored(kSettingSIUnits), "True");
    EXPECT_EQ(Stored(kSettingAcfm), "False");
    EXPECT_EQ(Stored(kSettingMainLeft), "2000");
    EXPECT_EQ(Stored(kSettingMainTop), "1500");
    EXPECT_EQ(Stored(kSettingMainWidth), "9000");
    EXPECT_EQ(Stored(kSettingMainHeight), "7000");
}

class SettingsWindowOffScreen : public SettingsWindow {
protected:
    bool StoreSettings() override {
        stored = {{kSettingMainLeft, "-45000"},
                  {kSettingMainTop, "1e30"},
                  {kSettingSIUnits, "metric"},
                  {kSettingAcfm, "1"}};
        return SettingsWindow::StoreSettings();
    }
};

TEST_F(SettingsWindowOffScreen, UnusableTextsFallBackAndThePositionComesOntoTheScreen) {
    EXPECT_FALSE(window->Form().Case().SIUnits);  // "metric" is no Boolean
    EXPECT_TRUE(window->Form().Case().AcfmUnits); // "1" is true
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window->show();
    QApplication::processEvents();
    // Placed before the window had a frame: allow for the frame's margins.
    const QRect frame = window->frameGeometry();
    EXPECT_GE(frame.left(), screen.left());
    EXPECT_GE(frame.top(), screen.top());
    EXPECT_LE(frame.left(), screen.left() + 10);
    EXPECT_LE(frame.bottom(), screen.bottom() + 10);
    EXPECT_GE(frame.bottom(), screen.bottom() - 10);
}

} // namespace
} // namespace kestrix::ui
