#include "platform/ui/TextView.h"

#include "platform/ui/PrintOperation.h"

namespace platform {

TextView::TextView() : TextView(Rect()) {}

TextView::TextView(const Rect& frame) : Text(frame) {
    exposeAction(u"print:", [this](const Sender& sender) { print(sender); });
}

void TextView::print(const Sender&) {
    PrintOperation::printOperationWithView(std::static_pointer_cast<View>(shared_from_this()))
        ->runOperation();
}

} // namespace platform
