// The splash window: the house logo, the product description and the version.
// Loading it sets the main window's title, which loads the main window hidden
// and runs its load step; continuing closes the splash and shows the main
// window, already calculated.
#pragma once

#include <QPointer>
#include <QWidget>

namespace kestrix::ui {

class frmRotor;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(frmRotor& main, QWidget* parent = nullptr);

    // The splash's load step. Returns false when the main window could not
    // load (a message has been shown); the program then ends.
    bool Load();

public slots:
    // The Continue button, any key, a click on the company, product or
    // copyright line, or closing the splash: show the main window.
    void Continue();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<frmRotor> main_;
    bool continued_ = false;
};

} // namespace kestrix::ui
