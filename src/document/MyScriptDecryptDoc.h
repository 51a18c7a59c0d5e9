#pragma once

#include "platform/base/String.h"
#include "platform/base/Value.h"
#include "platform/ui/ScriptCommand.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace platform {
class Document;
} // namespace platform

// The script's command that opens a document file and unlocks it: the direct parameter is
// the file's POSIX path, the argument "password" the password (a string, or absent). The
// document opens in a window, locked, and the password is submitted as if typed into its
// password field. The command answers once the open has finished: success only when the
// document is unlocked, else one of the errors below with a text for a person (never the
// password).
//
// A document open and unlocked already is left as it is: the command succeeds only when
// the password is the document's own.
class MyScriptDecryptDoc : public platform::ScriptCommand {
public:
    static constexpr const char16_t* commandName = u"decryptDocument";

    static constexpr std::int32_t missingPathError = 1;
    static constexpr std::int32_t openFailedError = 2;
    static constexpr std::int32_t missingPasswordError = 3;
    static constexpr std::int32_t wrongPasswordError = 4;

    static constexpr const char16_t* missingPathText = u"The command needs the path of a document.";
    static constexpr const char16_t* openFailedText = u"The document could not be opened.";
    static constexpr const char16_t* missingPasswordText =
        u"No password was given; the document stays locked.";
    static constexpr const char16_t* wrongPasswordText =
        u"Wrong Password: the password is not the document's.";

    static void registerCommand();

    // None at once; the answer follows from the open's completion.
    [[nodiscard]] platform::Value performDefaultImplementation() override;

private:
    void documentOpened(const std::shared_ptr<platform::Document>& opened,
                        const std::optional<platform::String>& error,
                        const std::optional<platform::String>& password);
    void answerError(std::int32_t number, platform::String text);
};
