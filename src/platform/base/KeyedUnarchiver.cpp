#include "platform/base/KeyedUnarchiver.h"

#include "platform/base/KeyedArchiveReader.h"

namespace platform {

Value KeyedUnarchiver::unarchiveObjectWithData(const Data& data) {
    std::string reason;
    return unarchiveObjectWithData(data, reason);
}

Value KeyedUnarchiver::unarchiveObjectWithData(const Data& data, std::string& reason) {
    reason.clear();
    auto value = KeyedArchiveReader::read(data, reason);
    return value ? *value : Value();
}

} // namespace platform
