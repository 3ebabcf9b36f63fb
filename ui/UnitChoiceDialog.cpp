// The controls the two unit preference dialogs share.
#include "UnitChoiceDialog.h"

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

QRect FromTwips(const QRect& r) {
    return TwipRect(r.x(), r.y(), r.width(), r.height());
}

} // namespace

UnitChoiceControls BuildUnitChoiceDialog(QWidget& dialog, const UnitChoiceLayout& layout) {
    UnitChoiceControls c;
    dialog.setObjectName(layout.objectName);
    dialog.setWindowTitle(layout.title);
    dialog.setFont(SansFont(8.25));
    dialog.setFixedSize(TwipSize(layout.clientTwips.width(), layout.clientTwips.height()));

    c.frame = new QGroupBox("Units", &dialog);
    c.frame->setObjectName("Frame1");
    c.frame->setGeometry(FromTwips(layout.frameTwips));
    for (int i = 0; i < 2; ++i) {
        c.options[i] = new QRadioButton(layout.captions[i], c.frame);
        c.options[i]->setObjectName(QStringLiteral("%1(%2)").arg(layout.optionArray).arg(i));
        c.options[i]->setGeometry(
            OptionRect(layout.optionLeft, layout.optionTops[i], 255, layout.frameTwips.width()));
    }
    c.options[0]->setChecked(true);

    c.ok = new QPushButton("OK", &dialog);
    c.ok->setObjectName("OKButton");
    c.ok->setGeometry(FromTwips(layout.okTwips));
    c.cancel = new QPushButton("Cancel", &dialog);
    c.cancel->setObjectName("CancelButton");
    c.cancel->setGeometry(FromTwips(layout.cancelTwips));
    return c;
}

void ShowUnitDialogModeless(QWidget& dialog) {
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

} // namespace kestrix::ui
