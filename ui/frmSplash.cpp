// The splash window's controls and its hand-over to the main window.
#include "frmSplash.h"

#include "Artwork.h"
#include "ProductInfo.h"
#include "Twips.h"
#include "frmRotor.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace kestrix::ui {

namespace {

const QColor kBack(247, 245, 242);

QFont Arial(double points, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, QRect geometry, const QString& text,
                  const QFont& font, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(align);
    return label;
}

} // namespace

frmSplash::frmSplash(frmRotor& main, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint |
                          Qt::WindowCloseButtonHint),
      main_(&main) {
    setObjectName("frmSplash");
    setWindowTitle(kCompanyName);
    setFixedSize(TwipSize(7380, 4245));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBack);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* frame = new QWidget(this);
    frame->setObjectName("Frame1");
    frame->setGeometry(TwipRect(120, 0, 7080, 4095));

    auto* logo = new QLabel(frame);
    logo->setObjectName("picLogol");
    const QSize logoSize(324, 93); // the house logo at three times its toolbar size
    logo->setGeometry((frame->width() - logoSize.width()) / 2, Px(360), logoSize.width(),
                      logoSize.height());
    logo->setPixmap(Artwork("logo", logoSize));

    QLabel* product = MakeLabel(frame, "lblCompanyProduct", TwipRect(600, 2040, 5985, 660),
                                "Product Selection and Performance Calculation Software",
                                Arial(14.25, true), Qt::AlignCenter);
    product->setWordWrap(true);
    MakeLabel(frame, "LblVersion", TwipRect(2160, 2760, 2775, 255), QString(), Arial(8.25),
              Qt::AlignCenter);
    QLabel* copyright = MakeLabel(frame, "lblCopyright", TwipRect(480, 3360, 2415, 255),
                                  "Copyright © 2026 Korvane, Inc.", Arial(8.25));
    QLabel* company = MakeLabel(frame, "lblCompany", TwipRect(480, 3600, 2415, 255),
                                "Korvane, Inc.", Arial(8.25));
    for (QLabel* label : {product, copyright, company})
        label->installEventFilter(this);

    auto* go = new QPushButton("Continue", frame);
    go->setObjectName("Command1");
    go->setGeometry(TwipRect(4560, 3360, 1215, 375));
    go->setDefault(true);
    go->setAutoDefault(true);
    go->setFocus();
    connect(go, &QPushButton::clicked, this, &frmSplash::Continue);
}

bool frmSplash::Load() {
    findChild<QLabel*>("LblVersion")->setText(VersionText());
    // Setting the title loads the main window, hidden, with its first results.
    if (!main_ || !main_->SetCaption(kMainWindowTitle))
        return false;
    main_->SetVisible("Picture1(1)", true);
    return true;
}

void frmSplash::Continue() {
    if (continued_)
        return;
    continued_ = true;
    hide();
    if (main_)
        main_->show();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
    Continue();
}

// Closing the splash by its window button also goes on to the main window;
// otherwise the program would run on with no window to show.
void frmSplash::closeEvent(QCloseEvent* event) {
    event->accept();
    Continue();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && qobject_cast<QLabel*>(watched)) {
        Continue();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kestrix::ui
