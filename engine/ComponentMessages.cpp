// The forwarding of the component's range message to a FormPort.
#include "ComponentMessages.h"

namespace kestrix {

void ForwardComponentMessage(void* port, const hygrovex::Message& message) {
    if (!port)
        return;
    static_cast<FormPort*>(port)->MessageBox(
        message.title ? message.title : "Error", message.text ? message.text : "",
        MessageIcon::Critical, message.helpFile ? message.helpFile : "", message.helpTopic);
}

} // namespace kestrix
