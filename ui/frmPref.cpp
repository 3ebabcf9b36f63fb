// The "Main Units" dialog; positions are the design values in twips.
#include "frmPref.h"

#include "Twips.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace kestrix::ui {

frmPref::frmPref(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName("frmPref");
    setWindowTitle("Main Units");
    setFixedSize(TwipSize(3510, 1110));

    frame1_ = new QGroupBox("Units", this);
    frame1_->setObjectName("Frame1");
    frame1_->setGeometry(TwipRect(360, 120, 1455, 855));
    optUnits_[0] = new QRadioButton("IP (English)", frame1_);
    optUnits_[0]->setObjectName("optUnits(0)");
    optUnits_[0]->setGeometry(TwipRect(120, 240, 1215, 255));
    optUnits_[0]->setChecked(true);
    optUnits_[1] = new QRadioButton("SI (metric)", frame1_);
    optUnits_[1]->setObjectName("optUnits(1)");
    optUnits_[1]->setGeometry(TwipRect(120, 480, 1215, 255));

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
