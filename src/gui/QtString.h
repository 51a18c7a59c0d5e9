#pragma once

#include "platform/base/String.h"

#include <QString>

namespace gui {

// Both sides are UTF-16, so the code units, lone surrogates included, pass unchanged.
[[nodiscard]] QString toQString(const platform::String& text);
[[nodiscard]] platform::String fromQString(const QString& text);

} // namespace gui
