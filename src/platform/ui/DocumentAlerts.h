#pragma once

#include "platform/base/String.h"

#include <memory>

namespace platform {

class Alert;

// The alerts that the document machinery shows, with the platform's texts.
class DocumentAlerts {
public:
    // Buttons "Save" (1000), "Cancel" (1001), "Don't Save" (1002).
    [[nodiscard]] static std::shared_ptr<Alert> shouldClose(const String& displayName);
    // Buttons "Revert" (1000), "Cancel" (1001).
    [[nodiscard]] static std::shared_ptr<Alert> revert(const String& displayName);
    // A failure: the message, the reason as informative text, one button "OK".
    [[nodiscard]] static std::shared_ptr<Alert> failure(const String& message,
                                                        const String& reason);

    // Information: the message, the reason as informative text, one button "OK".
    [[nodiscard]] static std::shared_ptr<Alert> notice(const String& message, const String& reason);

    // The name in typographic quotes, as messages name files.
    [[nodiscard]] static String quoted(const String& name);

    [[nodiscard]] static String savedButMayNotLast(const String& displayName);
    [[nodiscard]] static String couldNotBeSaved(const String& displayName);
    [[nodiscard]] static String couldNotBeOpened(const String& displayName);
    [[nodiscard]] static String couldNotBeReverted(const String& displayName);
    [[nodiscard]] static String couldNotBeMade();
};

} // namespace platform
