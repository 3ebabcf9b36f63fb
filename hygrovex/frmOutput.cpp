// The output window of the component, and the Qt side of the library: the
// window hooks and the range-message box, installed when the library loads.
#include "frmOutput.h"

#include "OutputRows.h"
#include "RangeMessage.h"
#include "hygrovex/HygrovexTesting.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QThread>
#include <QUrl>

#include <string>

namespace hygrovex {

namespace {

// Window geometry is given in twips; the screen has 15 twips per pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}

// Client size and background of the window.
constexpr int kClientWidthTwips = 2775;
constexpr int kClientHeightTwips = 2580;
const QColor kBackground(233, 224, 207);

struct RowLayout {
    const char* captionName; // control name of the caption label
    int captionWidthTwips;
    const char* valueName; // control name of the value label
};

constexpr std::array<RowLayout, kOutputRowCount> kRows = {{
    {"lblT(3)", 1215, "lblT(0)"},
    {"lblWB(3)", 1335, "lblWB(0)"},
    {"lblDP(3)", 1335, "lblDP(0)"},
    {"lblRH(3)", 1335, "lblRH(0)"},
    {"lblGr(3)", 1335, "lblGr(0)"},
    {"lblLb(3)", 1335, "lblLb(0)"},
    {"lblH", 1215, "lblBTU(0)"},
    {"lblSV(3)", 1215, "lblSV(0)"},
    {"lblScfm(3)", 1215, "lblScfm(0)"},
    {"lblScfm(4)", 1215, "lblCFM(0)"},
}};

constexpr int kRowTopTwips = 120;
constexpr int kRowPitchTwips = 240;
constexpr int kRowHeightTwips = 255;
constexpr int kCaptionLeftTwips = 120;
constexpr int kValueLeftTwips = 1440;
constexpr int kValueWidthTwips = 1335;

} // namespace

frmOutput::frmOutput(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName("frmOutput");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(Px(kClientWidthTwips), Px(kClientHeightTwips));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);
    setAutoFillBackground(true);
    // The rows are laid out for a narrow 8-point sans serif; Liberation Sans
    // (metric-compatible with Arial) keeps the captions inside their labels.
    QFont small = font();
    small.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    small.setStyleHint(QFont::SansSerif);
    small.setPointSize(8);
    setFont(small);

    for (int row = 0; row < kOutputRowCount; ++row) {
        const RowLayout& layout = kRows[static_cast<std::size_t>(row)];
        const int top = Px(kRowTopTwips + kRowPitchTwips * row);
        auto* caption =
            new QLabel(QString::fromUtf8(kOutputCaptions[static_cast<std::size_t>(row)]), this);
        caption->setObjectName(layout.captionName);
        caption->setGeometry(Px(kCaptionLeftTwips), top, Px(layout.captionWidthTwips),
                             Px(kRowHeightTwips));
        auto* value = new QLabel(this);
        value->setObjectName(layout.valueName);
        value->setGeometry(Px(kValueLeftTwips), top, Px(kValueWidthTwips), Px(kRowHeightTwips));
        m_captions[static_cast<std::size_t>(row)] = caption;
        m_values[static_cast<std::size_t>(row)] = value;
    }
}

void frmOutput::Refresh() {
    const auto texts = OutputValueTexts(PsyState);
    for (std::size_t row = 0; row < texts.size(); ++row)
        m_values[row]->setText(QString::fromStdString(texts[row]));
}

void frmOutput::ShowAt(int leftTwips, int topTwips) {
    move(Px(leftTwips), Px(topTwips));
    show();
}

QString frmOutput::RowTexts() const {
    QString out;
    for (std::size_t row = 0; row < m_values.size(); ++row)
        out += m_captions[row]->text() + '\t' + m_values[row]->text() + '\n';
    return out;
}

namespace {

// The one window of the library, made by the first calculation inside a Qt
// application; deleted when that application quits.
QPointer<frmOutput> gWindow;

bool HaveWidgetApplication() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr &&
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

frmOutput* Window() {
    if (!HaveWidgetApplication())
        return nullptr;
    if (!gWindow) {
        gWindow = new frmOutput();
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, gWindow.data(),
                         &QObject::deleteLater);
    }
    return gWindow.data();
}

void RefreshWindow() {
    if (frmOutput* window = Window())
        window->Refresh();
}

void ShowWindow(int leftTwips, int topTwips) {
    if (frmOutput* window = Window())
        window->ShowAt(leftTwips, topTwips);
}

void HideWindow() {
    if (gWindow && HaveWidgetApplication())
        gWindow->hide();
}

// The help page of a topic of a help file: "psych.hlp" topic 600 is
// help/psych/600.html beside the program, or under share/kestrix when installed.
QString HelpPage(const Message& message) {
    const QString book = QFileInfo(QString::fromUtf8(message.helpFile)).completeBaseName();
    const QString page = QStringLiteral("help/%1/%2.html").arg(book).arg(message.helpTopic);
    const QDir dir(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {dir.filePath(page), dir.filePath(QStringLiteral("../share/kestrix/") + page)}) {
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).absoluteFilePath();
    }
    return {};
}

void ShowHelpPage(const QString& path) {
    auto* browser = new QTextBrowser();
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->setWindowTitle(QStringLiteral("Hygrovex Help"));
    browser->setSource(QUrl::fromLocalFile(path));
    browser->resize(560, 480);
    browser->show();
}

// Shows the message as a modal box with an exclamation icon and OK, plus a
// Help button when its help page is installed.
bool PresentInBox(const Message& message) {
    if (!HaveWidgetApplication())
        return false;
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(message.title),
                    QString::fromUtf8(message.text), QMessageBox::Ok);
    const QString help = HelpPage(message);
    QPushButton* helpButton = help.isEmpty() ? nullptr : box.addButton(QMessageBox::Help);
    box.exec();
    if (helpButton && box.clickedButton() == helpButton)
        ShowHelpPage(help);
    return true;
}

// Installs the window hooks and the message box when the library loads.
const bool kInstalled = [] {
    SetOutputWindowHooks(OutputWindowHooks{&RefreshWindow, &ShowWindow, &HideWindow});
    SetDefaultMessagePresenter(&PresentInBox);
    return true;
}();

} // namespace

} // namespace hygrovex

extern "C" const char* HygrovexOutputWindowRows() {
    static std::string rows;
    rows = hygrovex::gWindow ? hygrovex::gWindow->RowTexts().toStdString() : std::string();
    return rows.c_str();
}

extern "C" void* HygrovexOutputWindowWidget() {
    return static_cast<QWidget*>(hygrovex::gWindow.data());
}
