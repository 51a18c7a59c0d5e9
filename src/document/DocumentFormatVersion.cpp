#include "document/DocumentFormatVersion.h"

#include <algorithm>

bool DocumentFormatVersion::isOneOf(std::initializer_list<std::uint64_t> versions) const {
    return std::find(versions.begin(), versions.end(), version_) != versions.end();
}

bool DocumentFormatVersion::storesToolbarFlag() const {
    return isOneOf({20100, 20101, 20200, 20201, 20300, 20301, 20400});
}

bool DocumentFormatVersion::storesCipherFields() const {
    return storesToolbarFlag() || isOneOf({10700, 20000, 20001});
}

bool DocumentFormatVersion::storesFrame() const {
    return storesCipherFields() || isOneOf({10500, 10600, 10601, 10602, 10603});
}

bool DocumentFormatVersion::storesEditableFlag() const {
    return storesFrame() || isOneOf({10402, 10403, 10404, 1400, 1410});
}
