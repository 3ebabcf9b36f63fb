// The "Main Units" dialog; positions are the design values in twips.
#include "frmPref.h"

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

frmPref::frmPref(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName("frmPref");
    setWindowTitle("Main Units");
    setFont(SansFont(8.25));
    setFixedSize(TwipSize(3510, 1110));

    frame1_ = new QGroupBox("Units", this);
    frame1_->setObjectName("Frame1");
    frame1_->setGeometry(TwipRect(360, 120, 1455, 855));
    optUnits_[0] = new QRadioButton("IP (English)", frame1_);
    optUnits_[0]->setObjectName("optUnits(0)");
    optUnits_[0]->setGeometry(OptionRect(120, 240, 255, 1455));
    optUnits_[0]->setChecked(true);
    optUnits_[1] = new QRadioButton("SI (metric)", frame1_);
    optUnits_[1]->setObjectName("optUnits(1)");
    optUnits_[1]->setGeometry(OptionRect(120, 480, 255, 1455));

    okButton_ = new QPushButton("OK", this);
    okButton_->setObjectName("OKButton");
    okButton_->setGeometry(TwipRect(2160, 120, 1215, 375));
    cancelButton_ = new QPushButton("Cancel", this);
    cancelButton_->setObjectName("CancelButton");
    cancelButton_->setGeometry(TwipRect(2160, 600, 1215, 375));

    connect(okButton_, &QPushButton::clicked, this, &frmPref::ChangePref);
    connect(cancelButton_, &QPushButton::clicked, this, &frmPref::CancelButton_Click);
}

bool frmPref::SIChosen() const {
    return !optUnits_[0]->isChecked();
}

void frmPref::SetChoice(bool si) {
    optUnits_[si ? 1 : 0]->setChecked(true);
}

void frmPref::ShowModeless() {
    show();
    raise();
    activateWindow();
}

void frmPref::ChangePref() {
    if (ApplyUnits)
        ApplyUnits(SIChosen());
    hide();
}

void frmPref::CancelButton_Click() {
    hide();
}

} // namespace kestrix::ui
