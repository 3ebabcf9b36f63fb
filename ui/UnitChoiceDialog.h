// What the two unit preference dialogs ("Main Units", "Air Flow Units") share:
// a frame "Units" with two option buttons, and OK and Cancel buttons, placed
// by their design positions in twips.
#pragma once

#include <QRect>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QWidget;

namespace kestrix::ui {

struct UnitChoiceLayout {
    const char* objectName;  // the dialog's control name
    const char* title;       // its caption
    QSize clientTwips;       // client area
    QRect frameTwips;        // the frame "Units"
    const char* optionArray; // control array of the two option buttons
    const char* captions[2];
    int optionLeft; // twips, inside the frame
    int optionTops[2];
    QRect okTwips;
    QRect cancelTwips;
};

struct UnitChoiceControls {
    QGroupBox* frame = nullptr;
    QRadioButton* options[2] = {nullptr, nullptr};
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// Builds the controls on dialog; option 0 starts selected.
UnitChoiceControls BuildUnitChoiceDialog(QWidget& dialog, const UnitChoiceLayout& layout);

// Shows a unit dialog without an owner and without blocking.
void ShowUnitDialogModeless(QWidget& dialog);

} // namespace kestrix::ui
