#include "platform/base/KeyedArchiver.h"

#include "platform/base/KeyedArchiveWriter.h"

namespace platform {

std::optional<Data> KeyedArchiver::archivedDataWithRootObject(const Value& root) {
    std::string reason;
    return archivedDataWithRootObject(root, reason);
}

std::optional<Data> KeyedArchiver::archivedDataWithRootObject(const Value& root,
                                                              std::string& reason) {
    return KeyedArchiveWriter().archive(root, reason);
}

} // namespace platform
