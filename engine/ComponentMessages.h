// Routes the Hygrovex component's range message into the main window's
// message stream (title "Error", help "psych.hlp" topic 600), so the user and
// the recorded message list see it in order with the window's own warnings.
#pragma once

#include "FormPort.h"

#include <hygrovex/clsHygrovex.h>

namespace kestrix {

// A hygrovex::MessageHandler whose context is the FormPort* to show it on.
void ForwardComponentMessage(void* port, const hygrovex::Message& message);

// Installs ForwardComponentMessage for port. Hosts that link the component
// (kestrix-cli, the tests, the program) call this once after creating the
// form; the engine itself does not link the component.
inline void RouteComponentMessages(FormPort& port) {
    HygrovexSetMessageHandler(&ForwardComponentMessage, &port);
}

} // namespace kestrix
