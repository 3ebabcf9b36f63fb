// The title dialog: one line for the project title, OK and Cancel. Shown
// non-modally by File > New ("New Project") and Edit > Title ("Edit Title");
// created once, hidden between uses.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kestrix::ui {

class FrmNew : public QWidget {
    Q_OBJECT
public:
    explicit FrmNew(QWidget* parent = nullptr);

    QLineEdit* txtTitle() const { return txtTitle_; }

    // Shows the dialog without blocking the main window, with the caption the
    // command gives ("New Project" or "Edit Title").
    void ShowWithCaption(const QString& caption);

public slots:
    // Takes the title, unless the project file could not carry it: then the
    // user is told why and the dialog stays open with the text as typed.
    void CmdOK_Click();
    void CmdCancel_Click();

signals:
    // OK with a title a project file can carry.
    void TitleAccepted(const QString& title);
    // The dialog was hidden by OK or Cancel: the main window comes to the front.
    void Finished();

private:
    QLabel* label1_ = nullptr;
    QLineEdit* txtTitle_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

} // namespace kestrix::ui
