// The "Main Units" dialog; positions are the design values in twips.
#include "frmPref.h"

#include "UnitChoiceDialog.h"

#include <QPushButton>
#include <QRadioButton>

namespace kestrix::ui {

namespace {

const UnitChoiceLayout kLayout = {
    .objectName = "frmPref",
    .title = "Main Units",
    .clientTwips = QSize(3510, 1110),
    .frameTwips = QRect(360, 120, 1455, 855),
    .optionArray = "optUnits",
    .captions = {"IP (English)", "SI (metric)"},
    .optionLeft = 120,
    .optionTops = {240, 480},
    .okTwips = QRect(2160, 120, 1215, 375),
    .cancelTwips = QRect(2160, 600, 1215, 375),
};

} // namespace

frmPref::frmPref(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    const UnitChoiceControls c = BuildUnitChoiceDialog(*this, kLayout);
    frame1_ = c.frame;
    optUnits_[0] = c.options[0];
    optUnits_[1] = c.options[1];
    okButton_ = c.ok;
    cancelButton_ = c.cancel;

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
    ShowUnitDialogModeless(*this);
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
