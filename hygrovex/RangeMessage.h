// The component's one message, the range message, and how it reaches the
// user: through the handler the host installed, else through the message box
// of the output-window part of the library, else on stderr.
#pragma once

#include "hygrovex/clsHygrovex.h"

namespace hygrovex {

inline constexpr const char* kRangeMessageTitle = "Error";
inline constexpr const char* kRangeMessageText =
    "Input variable is out of range, check to see if units are consistent with input value.";
inline constexpr const char* kRangeMessageHelpFile = "psych.hlp";
inline constexpr int kRangeMessageHelpTopic = 600;

// The range message as a Message record.
Message RangeMessage();

// Hands the range message to whoever presents it.
void ShowRangeMessage();

// A presenter that shows the message itself when it can (a message box inside
// a Qt application) and returns false when it cannot. The Qt part of the
// shared library installs one when it is loaded.
using MessagePresenter = bool (*)(const Message& message);
void SetDefaultMessagePresenter(MessagePresenter presenter);

} // namespace hygrovex
