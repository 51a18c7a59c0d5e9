#pragma once

namespace platform {

// The two property-list formats that libplist reads and writes; the reader tells them apart
// by their first bytes.
enum class PropertyListFormat { XML, Binary };

} // namespace platform
