// Routing of the range message to the host's handler, the message box or stderr.
#include "RangeMessage.h"

#include <cstdio>

namespace hygrovex {

namespace {

MessageHandler gHandler = nullptr;
void* gHandlerContext = nullptr;
MessagePresenter gPresenter = nullptr;

} // namespace

Message RangeMessage() {
    return Message{kRangeMessageTitle, kRangeMessageText, kRangeMessageHelpFile,
                   kRangeMessageHelpTopic};
}

void ShowRangeMessage() {
    const Message message = RangeMessage();
    if (gHandler) {
        gHandler(gHandlerContext, message);
        return;
    }
    if (gPresenter && gPresenter(message))
        return;
    std::fprintf(stderr, "%s: %s\n", message.title, message.text);
}

void SetDefaultMessagePresenter(MessagePresenter presenter) {
    gPresenter = presenter;
}

} // namespace hygrovex

extern "C" void HygrovexSetMessageHandler(hygrovex::MessageHandler handler, void* context) {
    hygrovex::gHandler = handler;
    hygrovex::gHandlerContext = handler ? context : nullptr;
}
