#include "document/CommandAlert.h"

#include "document/BodyExport.h"
#include "platform/ui/DocumentAlerts.h"

using platform::Alert;
using platform::AlertStyle;
using platform::DocumentAlerts;
using platform::String;

namespace {

std::shared_ptr<Alert> question(AlertStyle style, const String& message, const String& information,
                                const String& first, const String& second) {
    auto alert = std::make_shared<Alert>();
    alert->addButtonWithTitle(first);
    alert->addButtonWithTitle(second);
    alert->setAlertStyle(style);
    alert->setMessageText(message);
    alert->setInformativeText(information);
    return alert;
}

} // namespace

std::shared_ptr<Alert> CommandAlert::lockConfirmation(bool documentEdited) {
    const String again = u"To browse the document data again you will need to re-insert the "
                         u"master password";
    return question(AlertStyle::Warning, u"Lock Document back to the crypted state?",
                    documentEdited
                        ? u"Before locking the document you need to save it on disk.\n" + again
                        : again,
                    u"OK", u"Cancel");
}

std::shared_ptr<Alert> CommandAlert::exportWarning(BodyFileKind kind) {
    const auto& description = BodyExport::describe(kind);
    return question(AlertStyle::Warning, description.message, description.informativeText,
                    u"Cancel", u"Export");
}

std::shared_ptr<Alert> CommandAlert::plainTextConfirmation() {
    return question(AlertStyle::Informational, u"Converting all the content in plain text?",
                    u"Making a rich text content plain will lose all text styles (such as fonts "
                    u"and colors), images, attachments and document properties.",
                    u"OK", u"Cancel");
}

std::shared_ptr<Alert> CommandAlert::importFailed(const String& fileName, const String& reason) {
    return DocumentAlerts::failure(
        u"The file " + DocumentAlerts::quoted(fileName) + u" could not be imported.", reason);
}

std::shared_ptr<Alert> CommandAlert::exportFailed(const String& fileName, const String& reason) {
    return DocumentAlerts::failure(
        u"The text could not be exported to " + DocumentAlerts::quoted(fileName) + u".", reason);
}

std::shared_ptr<Alert> CommandAlert::lockFailed() {
    return DocumentAlerts::failure(u"The document could not be locked.",
                                   u"Its content could not be encrypted. It stays unlocked.");
}
