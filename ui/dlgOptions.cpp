// The "Air Flow Units" dialog; positions are the design values in twips.
#include "dlgOptions.h"

#include "Twips.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace kestrix::ui {

namespace {

// "MS Sans Serif" is drawn with the desktop's default sans font.
QFont SansFont(double points) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

// An option button reaches to the frame's right edge, so that its caption
// is never cut off where the desktop draws a wider indicator than designed.
QRect OptionRect(int left, int top, int height, int frameWidth) {
    return TwipRect(left, top, frameWidth - left - 60, height);
}

} // namespace

dlgOptions::dlgOptions(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName("dlgOptions");
    setWindowTitle("Air Flow Units");
    setFont(SansFont(8.25));
    setFixedSize(TwipSize(2655, 1695));

    frame1_ = new QGroupBox("Units", this);
    frame1_->setObjectName("Frame1");
    frame1_->setGeometry(TwipRect(120, 120, 2415, 975));
    optVUnits_[0] = new QRadioButton("Standard (scfm)", frame1_);
    optVUnits_[0]->setObjectName("optVUnits(0)");
    optVUnits_[0]->setGeometry(OptionRect(360, 240, 255, 2415));
    optVUnits_[0]->setChecked(true);
    optVUnits_[1] = new QRadioButton("Actual (acfm)", frame1_);
    optVUnits_[1]->setObjectName("optVUnits(1)");
    optVUnits_[1]->setGeometry(OptionRect(360, 600, 255, 2415));

    okButton_ = new QPushButton("OK", this);
    okButton_->setObjectName("OKButton");
    okButton_->setGeometry(TwipRect(120, 1200, 1095, 375));
    cancelButton_ = new QPushButton("Cancel", this);
    cancelButton_->setObjectName("CancelButton");
    cancelButton_->setGeometry(TwipRect(1440, 1200, 1095, 375));

    connect(okButton_, &QPushButton::clicked, this, &dlgOptions::OKButton_Click);
    connect(cancelButton_, &QPushButton::clicked, this, &dlgOptions::CancelButton_Click);
}

bool dlgOptions::ActualChosen() const {
    return !optVUnits_[0]->isChecked();
}

void dlgOptions::SetChoice(bool acfm) {
    optVUnits_[acfm ? 1 : 0]->setChecked(true);
}

void dlgOptions::ShowModeless() {
    show();
    raise();
    activateWindow();
}

void dlgOptions::Options() {
    if (SetAcfmUnits)
        SetAcfmUnits(ActualChosen());
}

void dlgOptions::OKButton_Click() {
    Options();
    if (Recalculate)
        Recalculate();
    hide();
}

void dlgOptions::CancelButton_Click() {
    hide();
}

} // namespace kestrix::ui
