#include "platform/base/KeyedUnarchiver.h"

#include "platform/base/KeyedArchiveReader.h"

namespace platform {

Value KeyedUnarchiver::unarchiveObjectWithData(const Data& data) {
    return unarchive(data).value_or(Value());
}

Result<Value> KeyedUnarchiver::unarchive(const Data& data) {
    return KeyedArchiveReader::read(data);
}

} // namespace platform
