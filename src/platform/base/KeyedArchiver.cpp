#include "platform/base/KeyedArchiver.h"

#include "platform/base/KeyedArchiveWriter.h"

namespace platform {

std::optional<Data> KeyedArchiver::archivedDataWithRootObject(const Value& root) {
    auto data = archive(root);
    if (!data)
        return std::nullopt;
    return *std::move(data);
}

Result<Data> KeyedArchiver::archive(const Value& root) {
    return KeyedArchiveWriter().archive(root);
}

} // namespace platform
