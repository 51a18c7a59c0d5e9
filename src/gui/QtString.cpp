#include "gui/QtString.h"

namespace gui {

QString toQString(const platform::String& text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

platform::String fromQString(const QString& text) {
    return platform::String(reinterpret_cast<const char16_t*>(text.utf16()),
                            static_cast<std::size_t>(text.size()));
}

} // namespace gui
