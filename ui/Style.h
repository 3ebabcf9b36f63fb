// The look the program's windows are designed for: the Fusion style, so that
// frames, buttons and the Calc button's colours draw alike on every desktop.
#pragma once

namespace kestrix::ui {

void ApplyKestrixStyle();

} // namespace kestrix::ui
