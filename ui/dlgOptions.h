// The "Air Flow Units" dialog: air volumes shown as standard or as actual
// volumes. Loaded once and only shown and hidden, so its option buttons keep
// their state; OK applies the choice (Options, then a calculation), Cancel
// only hides it.
#pragma once

#include <QWidget>

#include <functional>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace kestrix::ui {

class dlgOptions : public QWidget {
    Q_OBJECT
public:
    explicit dlgOptions(QWidget* parent = nullptr);

    // Sets the volume flag of the design case: true for actual volumes.
    std::function<void(bool acfm)> SetAcfmUnits;
    // Runs the main calculation, which shows the volumes in the chosen form.
    std::function<void()> Recalculate;

    // The choice the option buttons show: true for "Actual (acfm)".
    bool ActualChosen() const;
    void SetChoice(bool acfm);

    // Shows the dialog without an owner and without blocking.
    void ShowModeless();

    // Sets the volume flag from the options: actual exactly when "Standard
    // (scfm)" is not selected.
    void Options();

public slots:
    // OK: Options, the main calculation, then hides the dialog.
    void OKButton_Click();
    // Cancel: hides the dialog; the options keep what was chosen.
    void CancelButton_Click();

private:
    QGroupBox* frame1_ = nullptr;
    QRadioButton* optVUnits_[2] = {nullptr, nullptr};
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace kestrix::ui
