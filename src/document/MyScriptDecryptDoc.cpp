#include "document/MyScriptDecryptDoc.h"

#include "document/LWCryptoDoc.h"
#include "platform/base/URL.h"
#include "platform/ui/DocumentController.h"

using platform::String;
using platform::Value;

void MyScriptDecryptDoc::registerCommand() {
    ScriptCommand::registerCommand<MyScriptDecryptDoc>(commandName);
}

Value MyScriptDecryptDoc::performDefaultImplementation() {
    const String* path = directParameter().string();
    const auto url = path ? platform::URL::fileURLWithPath(*path) : std::nullopt;
    if (!url) {
        answerError(missingPathError, missingPathText);
        return {};
    }
    std::optional<String> password;
    if (const auto found = evaluatedArguments().find(u"password");
        found != evaluatedArguments().end())
        password = found->second.stringValue();

    suspendExecution();
    const auto self = std::static_pointer_cast<MyScriptDecryptDoc>(shared_from_this());
    platform::DocumentController::sharedDocumentController()->openDocumentWithContentsOfURL(
        *url, true,
        [self, password](const std::shared_ptr<platform::Document>& document, bool,
                         const std::optional<String>& error) {
            self->documentOpened(document, error, password);
        });
    return {};
}

// The password is the document's own business: the typed values that the sheets and the
// password field show are left alone.
void MyScriptDecryptDoc::documentOpened(const std::shared_ptr<platform::Document>& opened,
                                        const std::optional<String>& error,
                                        const std::optional<String>& password) {
    const auto document = std::dynamic_pointer_cast<LWCryptoDoc>(opened);
    if (!document) {
        answerError(openFailedError, error.value_or(openFailedText));
        return;
    }
    if (!password || password->empty()) {
        answerError(missingPasswordError, missingPasswordText);
        return;
    }
    const bool unlocked = document->isDecrypted() ? *password == document->plainPassword()
                                                  : document->unlockWithPassword(*password);
    if (!unlocked) {
        answerError(wrongPasswordError, wrongPasswordText);
        return;
    }
    resumeExecutionWithResult({});
}

// Before the suspension it sets the immediate answer; after it, it gives the answer.
void MyScriptDecryptDoc::answerError(std::int32_t number, String text) {
    setScriptErrorNumber(number);
    setScriptErrorString(std::move(text));
    resumeExecutionWithResult({});
}
