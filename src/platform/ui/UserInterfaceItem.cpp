#include "platform/ui/UserInterfaceItem.h"

#include "platform/base/Object.h"

namespace platform {

std::int64_t UserInterfaceItem::tagOf(const std::shared_ptr<Object>& sender) {
    const auto* item = dynamic_cast<const UserInterfaceItem*>(sender.get());
    return item ? item->tag() : 0;
}

} // namespace platform
