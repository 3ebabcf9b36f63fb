// The title dialog; positions are the design values in twips.
#include "FrmNew.h"

#include "ProjectFile.h"
#include "Seams.h"
#include "Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kestrix::ui {

namespace {

// "MS Sans Serif" is drawn with the desktop's default sans font.
QFont SansFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QPushButton* MakeButton(QWidget* parent, const char* name, QRect geometry, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    // Neither button answers Enter: only a click or the space bar presses it.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

FrmNew::FrmNew(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName("FrmNew");
    setFont(SansFont(8.25));
    setFixedSize(TwipSize(4800, 1080));

    label1_ = new QLabel("Project Title:", this);
    label1_->setObjectName("Label1");
    label1_->setGeometry(TwipRect(75, 240, 1185, 255));
    label1_->setFont(SansFont(8.25, true));
    label1_->setTextFormat(Qt::PlainText);

    txtTitle_ = new QLineEdit(this);
    txtTitle_->setObjectName("txtTitle");
    txtTitle_->setGeometry(TwipRect(1410, 240, 3285, 285));
    txtTitle_->setTextMargins(0, 0, 0, 0);

    cmdOK_ = MakeButton(this, "CmdOK", TwipRect(1440, 720, 735, 255), "OK");
    cmdCancel_ = MakeButton(this, "CmdCancel", TwipRect(2520, 720, 855, 255), "Cancel");
    setTabOrder(txtTitle_, cmdOK_);
    setTabOrder(cmdOK_, cmdCancel_);

    connect(cmdOK_, &QPushButton::clicked, this, &FrmNew::CmdOK_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &FrmNew::CmdCancel_Click);
}

void FrmNew::ShowWithCaption(const QString& caption) {
    show();
    setWindowTitle(caption);
    raise();
    activateWindow();
    txtTitle_->setFocus();
}

void FrmNew::CmdOK_Click() {
    const QString title = txtTitle_->text();
    if (const auto problem = TitleProblem(title.toStdString())) {
        Messages().Show(this, "Warning", QString::fromStdString(*problem), MessageKind::Warning);
        txtTitle_->setFocus();
        return;
    }
    hide();
    emit TitleAccepted(title);
    emit Finished();
}

void FrmNew::CmdCancel_Click() {
    hide();
    emit Finished();
}

} // namespace kestrix::ui
