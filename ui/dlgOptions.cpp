// The "Air Flow Units" dialog; positions are the design values in twips.
#include "dlgOptions.h"

#include "UnitChoiceDialog.h"

#include <QPushButton>
#include <QRadioButton>

namespace kestrix::ui {

namespace {

const UnitChoiceLayout kLayout = {
    .objectName = "dlgOptions",
    .title = "Air Flow Units",
    .clientTwips = QSize(2655, 1695),
    .frameTwips = QRect(120, 120, 2415, 975),
    .optionArray = "optVUnits",
    .captions = {"Standard (scfm)", "Actual (acfm)"},
    .optionLeft = 360,
    .optionTops = {240, 600},
    .okTwips = QRect(120, 1200, 1095, 375),
    .cancelTwips = QRect(1440, 1200, 1095, 375),
};

} // namespace

dlgOptions::dlgOptions(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    const UnitChoiceControls c = BuildUnitChoiceDialog(*this, kLayout);
    frame1_ = c.frame;
    optVUnits_[0] = c.options[0];
    optVUnits_[1] = c.options[1];
    okButton_ = c.ok;
    cancelButton_ = c.cancel;

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
    ShowUnitDialogModeless(*this);
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
