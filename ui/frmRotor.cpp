// The main window's controls, menus, toolbar and status bar, and the FormPort
// over them. Positions and sizes are the window's design values in twips.
#include "frmRotor.h"

#include "Artwork.h"
#include "ChartModel.h"
#include "HelpViewer.h"
#include "ProductInfo.h"
#include "Seams.h"
#include "Twips.h"
#include "frmChart.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QTime>
#include <QTimer>
#include <QToolBar>

#include <exception>

namespace kestrix::ui {

namespace {

const QColor kWindowBack(247, 245, 242);
const QColor kStaleYellow(255, 255, 0);
const QColor kWarningRed(255, 0, 0);

// "Arial" is drawn with its metric twin, Liberation Sans.
QFont ArialFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// "MS Sans Serif" is drawn with the desktop's default sans font.
QFont SansFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// "MS Serif" is drawn with the desktop's default serif font.
QFont SerifFont(double points) {
    QFont font(QStringLiteral("Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    font.setBold(false);
    return font;
}

void PaintBack(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QString Indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, QRect geometry, const QString& caption,
                  const QFont& font, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(align);
    label->setTextFormat(Qt::PlainText);
    PaintBack(label, kWindowBack);
    return label;
}

// A label that shows a number: right-aligned, empty until the first display.
QLabel* MakeValueLabel(QWidget* parent, const QString& name, QRect geometry) {
    return MakeLabel(parent, name, geometry, QString(), SansFont(8.25),
                     Qt::AlignRight | Qt::AlignVCenter);
}

QLineEdit* MakeField(QWidget* parent, const QString& name, QRect geometry,
                     const QString& toolTip = {}) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(geometry);
    // Drawn with the metric twin of the designed face: the desktop's default
    // sans is wider, and a five-digit entry would not fit the narrow fields.
    field->setFont(ArialFont(8.25));
    field->setToolTip(toolTip);
    // The text may use the style's inner padding: the fields are narrow.
    field->setTextMargins(-2, 0, -2, 0);
    PaintBack(field, kWindowBack);
    return field;
}

QGroupBox* MakeFrame(QWidget* parent, const QString& name, QRect geometry, const QString& caption,
                     const QFont& font) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    frame->setFont(font);
    PaintBack(frame, kWindowBack);
    return frame;
}

// A frame without border or caption: only a background for its controls.
QWidget* MakePlainFrame(QWidget* parent, const QString& name, QRect geometry) {
    auto* frame = new QWidget(parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    PaintBack(frame, kWindowBack);
    return frame;
}

// A command button whose caption wraps onto more lines when it is wider than
// the button, as the calculator's tall buttons need. text() keeps the caption
// as designed, spaces included.
class WrapButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        const QRect box = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        painter.setFont(font());
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
        painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text().simplified());
    }
};

QPushButton* MakeButton(QPushButton* button, QWidget* parent, const QString& name, QRect geometry,
                        const QFont& font, const QString& toolTip = {}) {
    button->setParent(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(font);
    button->setToolTip(toolTip);
    // Enter on a focused button presses it, as on the desktops users know.
    button->setAutoDefault(true);
    return button;
}

QLabel* MakePicture(QWidget* parent, const QString& name, QRect geometry, const QString& art) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setGeometry(geometry);
    picture->setPixmap(Artwork(art, geometry.size()));
    return picture;
}

// The unit labels of a stream frame, named as control-array members.
void MakeUnitLabel(QWidget* frame, const char* array, int index, QRect geometry,
                   const QString& caption) {
    MakeLabel(frame, Indexed(array, index), geometry, caption, ArialFont(8.25));
}

} // namespace

frmRotor::frmRotor(hygrovex::_clsHygrovex& component, std::function<void()> releaseComponent,
                   QWidget* parent)
    : QMainWindow(parent), component_(component), releaseComponent_(std::move(releaseComponent)),
      catalogueDir_(DefaultCatalogueDir()) {
    setObjectName("frmRotor");
    InitArtwork();
    BuildControls();
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    SetTabOrder();
    // The window keeps its designed size; it follows the toolbar when that is
    // shown or hidden, and is never resized by the user.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setContextMenuPolicy(Qt::NoContextMenu);

    form_ = std::make_unique<RotorForm>(*this, component_);
    InstallCommands(*this);
}

frmRotor::~frmRotor() {
    // Nothing the widgets report while they are torn down reaches the logic.
    unloaded_ = true;
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
    // Helpers the parts attached to the window (the moisture calculator) work
    // on the window logic: they go before it.
    for (QObject* child : findChildren<QObject*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isWidgetType() && !qobject_cast<QLayout*>(child))
            delete child;
    }
    const bool released = releaseComponent_ == nullptr || componentReleased_;
    form_.reset();
    if (!released)
        releaseComponent_();
}

QString frmRotor::DefaultCatalogueDir() {
    const QString dir = QCoreApplication::applicationDirPath();
    const QString shared = dir + "/../share/kestrix";
    if (!QFileInfo(dir + "/qvdcmd121.dta").isFile() &&
        QFileInfo(shared + "/qvdcmd121.dta").isFile())
        return QFileInfo(shared).canonicalFilePath();
    return dir;
}

// ---------------------------------------------------------------------------
// Controls

void frmRotor::BuildControls() {
    client_ = new QWidget(this);
    client_->setObjectName("client");
    client_->setFixedSize(TwipSize(10080, 6030));
    PaintBack(client_, kWindowBack);
    setCentralWidget(client_);
    QWidget* w = client_;

    // The rotor schematic lies under everything that is placed over it.
    MakePicture(w, "picRotor", TwipRect(240, 1680, 6015, 3495), "rotor");

    MakeLabel(w, "lblTitle", TwipRect(1680, 480, 5295, 255), "Project Title",
              ArialFont(9.75, true));
    QLabel* logo = MakePicture(w, "Picture1(1)", TwipRect(6480, 480, 1695, 495), "logo");
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    logo->setPixmap(Artwork("logo", QSize(108, 31)));
    logo->hide();

    QLabel* frost = MakeLabel(w, "lblFrost", TwipRect(2280, 960, 1215, 255), "Frost Warning",
                              ArialFont(8.25, true));
    SetTextColour(frost, kWarningRed);
    QLabel* weaCondensed = MakeLabel(w, "lblWeaCondensed", TwipRect(2280, 1200, 975, 255),
                                     "Condensed", ArialFont(8.25));
    SetTextColour(weaCondensed, kWarningRed);
    QLabel* condensate = MakeLabel(w, "lblCondensate", TwipRect(2280, 1440, 975, 255), "Condensate",
                                   ArialFont(8.25));
    SetTextColour(condensate, kWarningRed);

    const QFont frameFont = ArialFont(8.25, true);

    // Exit air (Frame1 index 3).
    QGroupBox* exit =
        MakeFrame(w, "Frame1(3)", TwipRect(240, 1080, 1815, 1095), "Exit Air", frameFont);
    MakeValueLabel(exit, "lblVea", TwipRect(120, 240, 975, 255));
    MakeUnitLabel(exit, "lblscfm", 3, TwipRect(1200, 240, 495, 255), "scfm");
    MakeValueLabel(exit, "lblTea", TwipRect(480, 480, 615, 255));
    MakeUnitLabel(exit, "lblFDB", 3, TwipRect(1200, 480, 495, 255), "°F DB");
    MakeValueLabel(exit, "lblWea", TwipRect(480, 720, 615, 255));
    MakeUnitLabel(exit, "lblGrlb", 3, TwipRect(1200, 720, 495, 255), "gr/lb");
    MakePicture(exit, "imgDetails(3)", TwipRect(120, 600, 300, 300), "air-exhaust");

    // Return/mixed air (Frame1 index 1).
    QGroupBox* ret =
        MakeFrame(w, "Frame1(1)", TwipRect(6240, 960, 1815, 1440), "Return/Mixed Air", frameFont);
    MakeField(ret, "txtVra", TwipRect(120, 240, 975, 315));
    MakeUnitLabel(ret, "lblscfm", 1, TwipRect(1200, 240, 495, 255), "scfm");
    MakeField(ret, "txtTra", TwipRect(480, 600, 615, 315));
    MakeUnitLabel(ret, "lblFDB", 1, TwipRect(1215, 630, 495, 255), "°F DB");
    MakeField(ret, "txtWra", TwipRect(480, 960, 615, 315));
    MakeUnitLabel(ret, "lblGrlb", 1, TwipRect(1215, 960, 495, 255), "gr/lb");
    MakePicture(ret, "imgDetails(2)", TwipRect(120, 840, 300, 300), "air-return");

    // Off-coil air (Frame1 index 0).
    QGroupBox* offCoil =
        MakeFrame(w, "Frame1(0)", TwipRect(240, 2520, 1815, 1320), "Off Coil Air", frameFont);
    MakeValueLabel(offCoil, "lblVoa", TwipRect(120, 240, 975, 255));
    MakeUnitLabel(offCoil, "lblscfm", 0, TwipRect(1200, 240, 495, 255), "scfm");
    MakeField(offCoil, "txtToa", TwipRect(600, 540, 495, 285),
              "Enter Air Temperature for Process Side");
    MakeUnitLabel(offCoil, "lblFDB", 0, TwipRect(1185, 600, 495, 255), "°F DB");
    MakeField(offCoil, "txtWoa", TwipRect(600, 900, 495, 285),
              "Enter Air Inlet Moisture Content for Process Side");
    MakeUnitLabel(offCoil, "lblGrlb", 0, TwipRect(1200, 960, 495, 255), "gr/lb");
    MakePicture(offCoil, "imgDetails(0)", TwipRect(120, 720, 300, 300), "air-offcoil");

    // Supply air (Frame1 index 2).
    QGroupBox* supply =
        MakeFrame(w, "Frame1(2)", TwipRect(6240, 4320, 1815, 1215), "Supply Air", frameFont);
    MakeField(supply, "txtVsa", TwipRect(120, 240, 975, 315));
    MakeUnitLabel(supply, "lblscfm", 2, TwipRect(1200, 270, 495, 255), "scfm");
    MakeValueLabel(supply, "lblTsa", TwipRect(480, 600, 615, 255));
    MakeUnitLabel(supply, "lblFDB", 2, TwipRect(1200, 585, 495, 255), "°F DB");
    MakeValueLabel(supply, "lblWsa", TwipRect(480, 840, 615, 255));
    MakeUnitLabel(supply, "lblGrlb", 2, TwipRect(1200, 840, 495, 255), "gr/lb");
    MakePicture(supply, "imgDetails(1)", TwipRect(120, 720, 300, 300), "air-supply");

    // Elevation.
    QGroupBox* elev =
        MakeFrame(w, "fmeElev", TwipRect(6240, 2400, 1785, 615), QString(), frameFont);
    MakeLabel(elev, "Label3", TwipRect(120, 240, 735, 255), "Elevation", ArialFont(8.25));
    MakeField(elev, "txtElev", TwipRect(840, 195, 720, 315),
              "Enter Location Elevation in Feet above Sea Level");
    MakeLabel(elev, "lblElev", TwipRect(1560, 240, 195, 255), "ft.", SerifFont(8.25));

    // Heat transfer.
    QGroupBox* heat =
        MakeFrame(w, "fmeHeat", TwipRect(6240, 3120, 1815, 1095), "Heat Transfer BTU/h", frameFont);
    MakeLabel(heat, "Label4", TwipRect(120, 240, 615, 255), "Sensible", ArialFont(8.25));
    MakeValueLabel(heat, "lblHeatS", TwipRect(840, 240, 855, 255));
    MakeLabel(heat, "Label5", TwipRect(120, 480, 735, 255), "Latent", ArialFont(8.25));
    MakeValueLabel(heat, "lblHeatL", TwipRect(840, 480, 855, 255));
    MakeLabel(heat, "Label6", TwipRect(120, 720, 855, 255), "Total", ArialFont(8.25));
    MakeValueLabel(heat, "lblHeatT", TwipRect(720, 720, 975, 255));

    // The two rotor sides, over the schematic.
    QWidget* exhaustSide = MakePlainFrame(w, "Frame3(1)", TwipRect(3480, 840, 1695, 735));
    MakeValueLabel(exhaustSide, "lblVelE", TwipRect(0, 0, 495, 255));
    MakeUnitLabel(exhaustSide, "lblFPM", 1, TwipRect(600, 0, 495, 255), "afpm");
    MakeValueLabel(exhaustSide, "lblDPr", TwipRect(0, 240, 495, 255));
    MakeUnitLabel(exhaustSide, "lblInWC", 1, TwipRect(600, 240, 495, 255), "in. WC");
    QWidget* supplySide = MakePlainFrame(w, "Frame3(0)", TwipRect(3960, 4320, 1575, 855));
    MakeValueLabel(supplySide, "lblVels", TwipRect(0, 120, 495, 255));
    MakeUnitLabel(supplySide, "lblFPM", 0, TwipRect(600, 120, 495, 255), "afpm");
    MakeValueLabel(supplySide, "lblDPs", TwipRect(0, 360, 495, 255));
    MakeUnitLabel(supplySide, "lblInWC", 0, TwipRect(600, 360, 855, 255), "in. WC");
    MakeValueLabel(supplySide, "lbldWh", TwipRect(0, 600, 495, 255));
    MakeLabel(supplySide, "lbllbh", TwipRect(600, 600, 855, 255), "lb H2O/h", ArialFont(8.25));

    cmdCalc_ = MakeButton(new QPushButton("&Calc"), w, "CmdCalc", TwipRect(3720, 3960, 615, 375),
                          ArialFont(8.25, true), "Press Calc Button or <Return> to Calculate");
    cmdCalc_->setDefault(true);
    connect(cmdCalc_, &QPushButton::clicked, this, &frmRotor::CmdCalc_Click);

    QLabel* wsaCondensed = MakeLabel(w, "lblWsaCondensed", TwipRect(4080, 5160, 2055, 375),
                                     "Condensed", ArialFont(8.25), Qt::AlignCenter);
    SetTextColour(wsaCondensed, kWarningRed);

    // Rotor selection.
    QGroupBox* selection = MakeFrame(w, "Frame2", TwipRect(1800, 4440, 2055, 1215),
                                     "Rotor Selection", ArialFont(8.25));
    lstRotor_ = new QListWidget(selection);
    lstRotor_->setObjectName("lstRotor");
    lstRotor_->setGeometry(TwipRect(120, 240, 1800, 900));
    lstRotor_->setFont(ArialFont(8.25));
    lstRotor_->setToolTip("Select Rotor Model from This List");
    lstRotor_->setSelectionMode(QAbstractItemView::SingleSelection);
    PaintBack(lstRotor_, kWindowBack);
    connect(lstRotor_, &QListWidget::currentRowChanged, this, [this](int) { lstRotor_Click(); });

    // The moisture calculator panel.
    QGroupBox* panel =
        MakeFrame(w, "Frame6", TwipRect(8280, 225, 1815, 5535), QString(), frameFont);
    QLabel* heading = MakeLabel(panel, "Label1(1)", TwipRect(120, 255, 1575, 495),
                                "Moisture Calculator", SansFont(9.75, true), Qt::AlignCenter);
    heading->setFrameStyle(QFrame::Box | QFrame::Plain);
    heading->setWordWrap(true);
    {
        QPalette palette = heading->palette();
        palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
        palette.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
        heading->setPalette(palette);
    }
    QGroupBox* inputs =
        MakeFrame(panel, "fmInputs(0)", TwipRect(120, 870, 1575, 975), "Inputs", ArialFont(8.25));
    MakeField(inputs, "txtT", TwipRect(240, 240, 495, 285),
              "Enter Air Temperature for Process Side");
    MakeLabel(inputs, "lblTii(0)", TwipRect(960, 240, 495, 255), "°F DB", ArialFont(8.25));
    MakeField(inputs, "txtM", TwipRect(240, 600, 495, 285),
              "Enter Air Temperature for Process Side");
    MakeLabel(inputs, "lblM", TwipRect(960, 600, 495, 255), "gr/lb", ArialFont(8.25));
    QGroupBox* units = MakeFrame(panel, "fmeUnits", TwipRect(120, 1950, 1575, 1575), "Input Units",
                                 ArialFont(8.25));
    const char* unitCaptions[] = {"°F Wet Bulb", "°F Dew Point", "%RH", "lb/lb", "gr/lb"};
    const int unitWidths[] = {1215, 1335, 1215, 1335, 1335};
    for (int i = 0; i < 5; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(unitCaptions[i]), units);
        option->setObjectName(Indexed("optUnits", i));
        option->setGeometry(TwipRect(120, 240 + 240 * i, unitWidths[i], 255));
        option->setFont(ArialFont(8.25));
        option->setChecked(i == 0);
        connect(option, &QRadioButton::clicked, this, [this, i] {
            if (commands_.UnitOptionClick)
                Run([this, i] { commands_.UnitOptionClick(i); }, "The moisture calculator");
        });
    }
    QLabel* answer = MakeLabel(panel, "lblAnswer", TwipRect(135, 3675, 1545, 330), QString(),
                               ArialFont(11.25), Qt::AlignCenter);
    answer->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPushButton* calculate =
        MakeButton(new WrapButton("    Calculate Humidity Ratio"), panel, "cmdCalculate",
                   TwipRect(135, 4140, 1575, 495), ArialFont(8.25), "Calculate");
    QPushButton* pasteP = MakeButton(new WrapButton("  Paste  Off-Coil  "), panel, "cmdPasteP",
                                     TwipRect(120, 4800, 735, 495), ArialFont(8.25));
    QPushButton* pasteR = MakeButton(new WrapButton(" Paste   Return"), panel, "cmdPasteR",
                                     TwipRect(960, 4800, 735, 495), ArialFont(8.25));
    connect(calculate, &QPushButton::clicked, this,
            [this] { Run(commands_.Calculate, "The moisture calculator"); });
    connect(pasteP, &QPushButton::clicked, this,
            [this] { Run(commands_.PasteOffCoil, "Paste Off-Coil"); });
    connect(pasteR, &QPushButton::clicked, this,
            [this] { Run(commands_.PasteReturn, "Paste Return"); });

    // Every text field reports each change of its text, typed or written.
    for (const char* name :
         {"txtToa", "txtWoa", "txtTra", "txtWra", "txtVsa", "txtVra", "txtElev", "txtT", "txtM"}) {
        auto* field = w->findChild<QLineEdit*>(name);
        const std::string control = name;
        connect(field, &QLineEdit::textChanged, this, [this, control] {
            if (Live())
                form_->TextChanged(control);
        });
    }

    // The air-state pictures report a press and a release of any button.
    for (int i = 0; i < 4; ++i) {
        QLabel* picture = w->findChild<QLabel*>(Indexed("imgDetails", i));
        picture->setProperty("detailsIndex", i);
        picture->installEventFilter(this);
    }
}

void frmRotor::SetTabOrder() {
    const char* order[] = {"txtToa",       "txtWoa",      "txtVra",      "txtTra",
                           "txtWra",       "txtElev",     "txtVsa",      "txtT",
                           "txtM",         "optUnits(0)", "optUnits(1)", "optUnits(2)",
                           "optUnits(3)",  "optUnits(4)", "cmdPasteR",   "cmdPasteP",
                           "cmdCalculate", "CmdCalc",     "lstRotor"};
    QWidget* previous = nullptr;
    for (const char* name : order) {
        QWidget* widget = client_->findChild<QWidget*>(name);
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

// ---------------------------------------------------------------------------
// Menus, toolbar, status bar

void frmRotor::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto item = [this](QMenu* menu, const char* name, const QString& caption,
                       void (frmRotor::*slot)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu* file = bar->addMenu("&File");
    file->setObjectName("mnufile");
    item(file, "mnuFileNew", "&New", &frmRotor::mnuFileNew_Click);
    item(file, "mnuFileOpen", "&Open", &frmRotor::mnuFileOpen_Click);
    item(file, "mnuFileClose", "&Close", &frmRotor::mnuFileClose_Click);
    item(file, "mnuFileSave", "&Save", &frmRotor::mnuFileSave_Click)
        ->setShortcut(QKeySequence("Ctrl+S"));
    file->addSeparator();
    item(file, "mnuFilePrint", "&Print", &frmRotor::mnuFilePrint_Click)
        ->setShortcut(QKeySequence("Ctrl+P"));
    item(file, "mnuFileExportPdf", "&Export PDF…", &frmRotor::mnuFileExportPdf_Click);
    item(file, "mnuFileExportChart", "Export C&hart…", &frmRotor::mnuFileExportChart_Click);
    // The recent projects: a separator and five entries, hidden until the
    // project commands fill them (RecentProjects.h).
    QAction* recentBar = file->addSeparator();
    recentBar->setObjectName("mnuRecentBar");
    recentBar->setVisible(false);
    for (int i = 0; i < 5; ++i) {
        QAction* recent = file->addAction(QString());
        recent->setObjectName(QStringLiteral("mnuRecent(%1)").arg(i));
        recent->setVisible(false);
    }
    file->setToolTipsVisible(true);
    file->addSeparator();
    item(file, "mnuFileExit", "&Exit", &frmRotor::mnuFileExit_Click);

    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    item(edit, "mnuEditTitle", "&Title", &frmRotor::mnuEditTitle_Click);
    item(edit, "mnuEditCopy", "&Copy (Excel)", &frmRotor::mnuEditCopy_Click);
    item(edit, "mnuEditCopyWord", "Copy (&Word)", &frmRotor::mnuEditCopyWord_Click);
    QMenu* preferences = edit->addMenu("&Preferences");
    preferences->setObjectName("mnuEditPreferences");
    preferences->menuAction()->setObjectName("mnuEditPreferences");
    item(preferences, "mnuUnits", "&Main Units", &frmRotor::mnuUnits_Click);
    item(preferences, "mnuVol", "&Air Flow Units", &frmRotor::mnuVol_Click);

    QMenu* view = bar->addMenu("&View");
    view->setObjectName("mnuView");
    viewToolbar_ = item(view, "mnuViewToolbar", "&Toolbar", &frmRotor::mnuViewToolbar_Click);
    viewToolbar_->setCheckable(true);
    viewToolbar_->setChecked(true);
    item(view, "mnuViewChart", "Psychrometric &Chart", &frmRotor::mnuViewChart_Click);

    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("Help");
    item(help, "mnuAbout", "&About", &frmRotor::mnuAbout_Click);
    item(help, "mnuHelpContents", "Help &Contents", &frmRotor::mnuHelpContents_Click);

    // F1 opens the program's help file from anywhere in the window.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    f1->setObjectName("F1");
    connect(f1, &QShortcut::activated, this, &frmRotor::mnuHelpContents_Click);
}

void frmRotor::BuildToolBar() {
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName("tbToolBar");
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setFixedHeight(Px(420));
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, toolBar_);

    struct Button {
        const char* key;
        const char* art;
        bool hasToolTip;
    };
    const Button buttons[] = {{"New", "tb-new", true},    {"Open", "tb-open", true},
                              {"Copy", "tb-copy", false}, {"Save", "tb-save", true},
                              {nullptr, nullptr, false},  {"Print", "tb-print", true},
                              {nullptr, nullptr, false},  {"Help", "tb-help", true}};
    for (const Button& button : buttons) {
        if (!button.key) {
            toolBar_->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(button.key);
        // The "Copy" button has no text and so shows no tooltip.
        QAction* action = toolBar_->addAction(QIcon(Artwork(button.art, QSize(16, 16))),
                                              button.hasToolTip ? key : QString());
        action->setObjectName("tb" + key);
        action->setData(key);
        action->setToolTip(button.hasToolTip ? key : QString());
        connect(action, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
    // The psychrometric chart, after the program's own buttons.
    toolBar_->addSeparator();
    QAction* chart = toolBar_->addAction(ChartIcon(), "Psychrometric Chart");
    chart->setObjectName("tbChart");
    chart->setData(QStringLiteral("Chart"));
    connect(chart, &QAction::triggered, this, [this] { tbToolBar_ButtonClick("Chart"); });
}

void frmRotor::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("sbrStatus");
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(Px(255));
    bar->setFont(SansFont(8.25, true));
    const int widths[] = {Px(2028), Px(1764), 0};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("sbrStatus.Panel%1").arg(i + 1));
        panel->setFont(SansFont(8.25, true));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        panel->setIndent(3);
        if (widths[i] > 0)
            panel->setFixedWidth(widths[i]);
        panel->setProperty("panelIndex", i + 1);
        panel->installEventFilter(this);
        bar->addWidget(panel, widths[i] > 0 ? 0 : 1);
        panels_[i] = panel;
    }
    // The date and time panels keep themselves up to date.
    auto* clock = new QTimer(this);
    clock->setObjectName("sbrClock");
    connect(clock, &QTimer::timeout, this, &frmRotor::UpdateClock);
    clock->start(1000);
    UpdateClock();
}

void frmRotor::UpdateClock() {
    const QLocale locale = QLocale::system();
    panels_[0]->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    panels_[1]->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

QLabel* frmRotor::StatusPanel(int panel) const {
    return panel >= 1 && panel <= 3 ? panels_[panel - 1] : nullptr;
}

// ---------------------------------------------------------------------------
// Load and unload

bool frmRotor::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    if (!loaded_) {
        loaded_ = true;
        loadSucceeded_ = Form_Load();
    }
    return loadSucceeded_;
}

bool frmRotor::Form_Load() {
    // The component object exists already: the program created it first.
    const StartupSettings settings =
        commands_.ReadSettings ? commands_.ReadSettings() : StartupSettings{};
    bool ok = false;
    try {
        ok = form_->Form_Load(settings, catalogueDir_.toStdString());
    } catch (const std::exception& error) {
        MessageBox("Error", std::string("Kestrix could not start: ") + error.what(),
                   MessageIcon::Critical);
    }
    // The window's place on the screen ("MainLeft", "MainTop"); its size is
    // fixed by its design.
    const QPoint position =
        commands_.WindowPosition ? commands_.WindowPosition() : QPoint(1000, 1000);
    move(Px(position.x()), Px(position.y()));
    return ok;
}

void frmRotor::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    // Other windows first, the most recently opened first.
    CloseHelp();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        QWidget* window = *it;
        if (window != this && window->isVisible() && !window->inherits("QMenu"))
            window->close();
    }
    if (commands_.WriteSettings)
        Run(commands_.WriteSettings, "Saving the settings");
    // The window logic stays until the window is destroyed, but nothing
    // reaches it any more (unloaded_), as the component it uses is gone.
    if (releaseComponent_ && !componentReleased_) {
        componentReleased_ = true;
        releaseComponent_();
    }
}

void frmRotor::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

// ---------------------------------------------------------------------------
// Events

void frmRotor::Run(const std::function<void()>& hook, const char* what) {
    if (!hook)
        return;
    try {
        hook();
    } catch (const std::exception& error) {
        MessageBox("Error", std::string(what) + " could not be completed: " + error.what(),
                   MessageIcon::Critical);
    } catch (...) {
        MessageBox("Error", std::string(what) + " could not be completed.", MessageIcon::Critical);
    }
}

void frmRotor::CmdCalc_Click() {
    if (Live())
        Run([this] { form_->CmdCalc_Click(); }, "The calculation");
}

void frmRotor::sbrStatus_PanelClick(int panel) {
    (void)panel; // every panel runs the Calc command, in any state of the results
    CmdCalc_Click();
}

void frmRotor::lstRotor_Click() {
    if (Live())
        Run([this] { form_->ListClicked("lstRotor"); }, "The rotor selection");
}

void frmRotor::tbToolBar_ButtonClick(const QString& key) {
    if (key == QLatin1String("New"))
        mnuFileNew_Click();
    else if (key == QLatin1String("Open"))
        mnuFileOpen_Click();
    else if (key == QLatin1String("Save"))
        mnuFileSave_Click();
    else if (key == QLatin1String("Copy"))
        mnuEditCopy_Click();
    else if (key == QLatin1String("Print"))
        mnuFilePrint_Click();
    else if (key == QLatin1String("Help"))
        mnuHelpContents_Click();
    else if (key == QLatin1String("Chart"))
        mnuViewChart_Click();
}

void frmRotor::mnuFileNew_Click() {
    Run(commands_.FileNew, "New");
}
void frmRotor::mnuFileOpen_Click() {
    Run(commands_.FileOpen, "Open");
}
void frmRotor::mnuFileClose_Click() {} // File > Close has no action
void frmRotor::mnuFileSave_Click() {
    Run(commands_.FileSave, "Save");
}
void frmRotor::mnuFilePrint_Click() {
    Run(commands_.FilePrint, "Print");
}
void frmRotor::mnuFileExportPdf_Click() {
    Run(commands_.FileExportPdf, "Export PDF");
}
void frmRotor::mnuFileExit_Click() {
    close();
}
void frmRotor::mnuEditTitle_Click() {
    Run(commands_.EditTitle, "Title");
}
void frmRotor::mnuEditCopy_Click() {
    Run(commands_.EditCopy, "Copy (Excel)");
}
void frmRotor::mnuEditCopyWord_Click() {
    Run(commands_.EditCopyWord, "Copy (Word)");
}
void frmRotor::mnuUnits_Click() {
    Run(commands_.Units, "Main Units");
}
void frmRotor::mnuVol_Click() {
    Run(commands_.Vol, "Air Flow Units");
}

// Runs after the menu item has inverted its check mark.
void frmRotor::mnuViewToolbar_Click() {
    toolBar_->setVisible(viewToolbar_->isChecked());
}

void frmRotor::mnuViewChart_Click() {
    if (!chart_) {
        chart_ = new frmChart(this);
        // Beside the main window, on its right.
        chart_->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    RefreshChart();
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

void frmRotor::mnuFileExportChart_Click() {
    if (form_)
        ExportChartDialog(isVisible() ? this : nullptr, chart::ModelFromCase(form_->Case()));
}

frmChart* frmRotor::ChartWindow() const {
    return chart_;
}

void frmRotor::RefreshChart() {
    if (chart_ && form_)
        chart_->SetModel(chart::ModelFromCase(form_->Case()));
}

void frmRotor::mnuAbout_Click() {
    Messages().Show(isVisible() ? this : nullptr, kAboutTitle, VersionText(),
                    MessageKind::Information);
}

void frmRotor::mnuHelpContents_Click() {
    ShowHelp(kProgramHelpFile, 0);
}

void frmRotor::keyPressEvent(QKeyEvent* event) {
    // CmdCalc is the window's default button: Enter calculates while the
    // results are stale and does nothing while they are current.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (cmdCalc_->isEnabled())
            CmdCalc_Click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool frmRotor::eventFilter(QObject* watched, QEvent* event) {
    const QVariant panel = watched->property("panelIndex");
    if (panel.isValid() && event->type() == QEvent::MouseButtonPress) {
        sbrStatus_PanelClick(panel.toInt());
        return true;
    }
    const QVariant details = watched->property("detailsIndex");
    if (details.isValid()) {
        const int index = details.toInt();
        if (event->type() == QEvent::MouseButtonPress && commands_.DetailsDown) {
            Run([this, index] { commands_.DetailsDown(index); }, "The air-state details");
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && commands_.DetailsUp) {
            Run([this, index] { commands_.DetailsUp(index); }, "The air-state details");
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// FormPort

void frmRotor::RegisterControl(const QString& name, QWidget* widget) {
    registered_.insert(name, widget);
    auto* field = qobject_cast<QLineEdit*>(widget);
    const auto detached = detachedTexts_.find(name.toStdString());
    if (field && detached != detachedTexts_.end()) {
        field->setText(QString::fromStdString(detached->second));
        detachedTexts_.erase(detached);
    }
}

QWidget* frmRotor::Control(const std::string& name) const {
    const QString key = QString::fromStdString(name);
    const auto registered = registered_.find(key);
    if (registered != registered_.end() && registered.value())
        return registered.value();
    if (key.startsWith(QLatin1String("sbrStatus.Panel")))
        return StatusPanel(key.mid(15).toInt());
    return client_->findChild<QWidget*>(key);
}

std::string frmRotor::Text(const std::string& control) const {
    QWidget* widget = Control(control);
    QString text;
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        text = field->text();
    else if (auto* label = qobject_cast<QLabel*>(widget))
        text = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        text = button->text();
    else if (auto* frame = qobject_cast<QGroupBox*>(widget))
        text = frame->title();
    else {
        const auto detached = detachedTexts_.find(control);
        return detached != detachedTexts_.end() ? detached->second : std::string();
    }
    return text.toStdString();
}

void frmRotor::SetText(const std::string& control, const std::string& text) {
    QWidget* widget = Control(control);
    const QString value = QString::fromStdString(text);
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        field->setText(value); // reports the change when the text differs
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(value);
    else if (auto* frame = qobject_cast<QGroupBox*>(widget))
        frame->setTitle(value);
    else
        detachedTexts_[control] = text; // a control of a window not built yet
}

bool frmRotor::Visible(const std::string& control) const {
    QWidget* widget = Control(control);
    return widget && widget->isVisibleTo(widget->window());
}

void frmRotor::SetVisible(const std::string& control, bool visible) {
    if (QWidget* widget = Control(control))
        widget->setVisible(visible);
}

bool frmRotor::Enabled(const std::string& control) const {
    QWidget* widget = Control(control);
    return widget && widget->isEnabled();
}

void frmRotor::SetEnabled(const std::string& control, bool enabled) {
    if (QWidget* widget = Control(control))
        widget->setEnabled(enabled);
    // The display step disables Calc as the results become current: the
    // chart follows every calculation.
    if (control == "CmdCalc" && !enabled)
        RefreshChart();
}

void frmRotor::SetBackColor(const std::string& control, std::uint32_t rgb) {
    QWidget* widget = Control(control);
    if (!widget)
        return;
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        const QColor colour = rgb == kButtonFace
                                  ? QApplication::palette(button).color(QPalette::Button)
                                  : QColor::fromRgb(rgb);
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, colour);
        button->setPalette(palette);
        return;
    }
    PaintBack(widget, rgb == kButtonFace ? QApplication::palette().color(QPalette::Button)
                                         : QColor::fromRgb(rgb));
}

bool frmRotor::Checked(const std::string& control) const {
    if (auto* button = qobject_cast<QAbstractButton*>(Control(control)))
        return button->isChecked();
    if (auto* action = findChild<QAction*>(QString::fromStdString(control)))
        return action->isChecked();
    return false;
}

void frmRotor::SetChecked(const std::string& control, bool checked) {
    if (auto* button = qobject_cast<QAbstractButton*>(Control(control)))
        button->setChecked(checked);
    else if (auto* action = findChild<QAction*>(QString::fromStdString(control)))
        action->setChecked(checked);
}

void frmRotor::ListClear(const std::string& list) {
    if (auto* widget = qobject_cast<QListWidget*>(Control(list))) {
        // Emptying the list is no selection by the user or the engine.
        const QSignalBlocker quiet(widget);
        widget->clear();
    }
}

void frmRotor::ListAdd(const std::string& list, const std::string& item) {
    if (auto* widget = qobject_cast<QListWidget*>(Control(list))) {
        const QSignalBlocker quiet(widget);
        widget->addItem(QString::fromStdString(item));
    }
}

void frmRotor::SetListIndex(const std::string& list, int index) {
    auto* widget = qobject_cast<QListWidget*>(Control(list));
    if (!widget || index < -1 || index >= widget->count())
        return;
    // Runs the list's selection handler before returning when the entry changes.
    widget->setCurrentRow(index);
}

int frmRotor::ListIndex(const std::string& list) const {
    auto* widget = qobject_cast<QListWidget*>(Control(list));
    return widget ? widget->currentRow() : -1;
}

int frmRotor::ListCount(const std::string& list) const {
    auto* widget = qobject_cast<QListWidget*>(Control(list));
    return widget ? widget->count() : 0;
}

std::string frmRotor::ListItem(const std::string& list, int index) const {
    auto* widget = qobject_cast<QListWidget*>(Control(list));
    if (!widget || index < 0 || index >= widget->count())
        return {};
    return widget->item(index)->text().toStdString();
}

void frmRotor::MessageBox(const std::string& title, const std::string& text, MessageIcon icon,
                          const std::string& helpFile, int helpTopic) {
    const MessageKind kind = icon == MessageIcon::Information ? MessageKind::Information
                             : icon == MessageIcon::Critical  ? MessageKind::Error
                                                              : MessageKind::Warning;
    Messages().Show(isVisible() ? this : nullptr, QString::fromStdString(title),
                    QString::fromStdString(text), kind, QString::fromStdString(helpFile),
                    helpTopic);
}

std::string frmRotor::DecimalPoint() const {
    return QLocale::system().decimalPoint().toStdString();
}

std::string frmRotor::GroupSeparator() const {
    return QLocale::system().groupSeparator().toStdString();
}

} // namespace kestrix::ui
