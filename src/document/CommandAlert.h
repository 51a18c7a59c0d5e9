#pragma once

#include "document/BodyFileKind.h"
#include "platform/ui/Alert.h"

#include <memory>

// The alerts of the document's commands, each made anew with its texts and buttons.
class CommandAlert {
public:
    // "OK" (1000), "Cancel" (1001).
    [[nodiscard]] static std::shared_ptr<platform::Alert> lockConfirmation(bool documentEdited);
    // "Cancel" (1000), "Export" (1001).
    [[nodiscard]] static std::shared_ptr<platform::Alert> exportWarning(BodyFileKind kind);
    // "OK" (1000), "Cancel" (1001).
    [[nodiscard]] static std::shared_ptr<platform::Alert> plainTextConfirmation();

    // Failures: the message, the reason as informative text, "OK".
    [[nodiscard]] static std::shared_ptr<platform::Alert>
    importFailed(const platform::String& fileName, const platform::String& reason);
    [[nodiscard]] static std::shared_ptr<platform::Alert>
    exportFailed(const platform::String& fileName, const platform::String& reason);
    [[nodiscard]] static std::shared_ptr<platform::Alert> lockFailed();
};
