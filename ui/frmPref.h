// The "Main Units" dialog: inch-pound or metric inputs and results. Loaded once
// and only shown and hidden, so its option buttons keep their state; OK
// applies the choice (ChangePref), Cancel only hides it.
#pragma once

#include <QWidget>

#include <functional>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace kestrix::ui {

class frmPref : public QWidget {
    Q_OBJECT
public:
    explicit frmPref(QWidget* parent = nullptr);

    // What confirming a unit system does to the main window: set the unit
    // flag, rewrite the display, reset the moisture calculator, recalculate.
    std::function<void(bool si)> ApplyUnits;

    // The choice the option buttons show: true for "SI (metric)".
    bool SIChosen() const;
    void SetChoice(bool si);

    // Shows the dialog without an owner and without blocking.
    void ShowModeless();

public slots:
    // OK: applies the unit system the options show, then hides the dialog.
    void ChangePref();
    // Cancel: hides the dialog; the options keep what was chosen.
    void CancelButton_Click();

private:
    QGroupBox* frame1_ = nullptr;
    QRadioButton* optUnits_[2] = {nullptr, nullptr};
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace kestrix::ui
