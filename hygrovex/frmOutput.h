// frmOutput: the component's small borderless window listing the state of the
// last calculation as ten caption/value rows. It never takes the keyboard
// focus and is placed only by ShowForm.
#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace hygrovex {

class frmOutput : public QWidget {
    Q_OBJECT
public:
    explicit frmOutput(QWidget* parent = nullptr);

    // Writes the row values of the calculation record into the value labels.
    void Refresh();
    // Moves the window's top-left corner to (left, top) twips in screen
    // coordinates and shows it without activating it.
    void ShowAt(int leftTwips, int topTwips);

    // "caption<TAB>value" per row, top to bottom.
    QString RowTexts() const;

private:
    std::array<QLabel*, 10> m_captions{};
    std::array<QLabel*, 10> m_values{};
};

} // namespace hygrovex
