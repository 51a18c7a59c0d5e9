#include "platform/ui/DocumentAlerts.h"

#include "platform/ui/Alert.h"

namespace platform {
String DocumentAlerts::quoted(const String& name) {
    return u"\u201c" + name + u"\u201d";
}

std::shared_ptr<Alert> DocumentAlerts::shouldClose(const String& displayName) {
    auto alert = std::make_shared<Alert>();
    alert->setMessageText(u"Do you want to save the changes made to the document " +
                          quoted(displayName) + u"?");
    alert->setInformativeText(u"Your changes will be lost if you don't save them.");
    alert->addButtonWithTitle(u"Save");
    alert->addButtonWithTitle(u"Cancel");
    alert->addButtonWithTitle(u"Don't Save");
    return alert;
}

std::shared_ptr<Alert> DocumentAlerts::revert(const String& displayName) {
    auto alert = std::make_shared<Alert>();
    alert->setMessageText(
        u"Do you want to revert to the most recently saved version of the document " +
        quoted(displayName) + u"?");
    alert->setInformativeText(u"Your current changes will be lost.");
    alert->addButtonWithTitle(u"Revert");
    alert->addButtonWithTitle(u"Cancel");
    return alert;
}

std::shared_ptr<Alert> DocumentAlerts::failure(const String& message, const String& reason) {
    auto alert = std::make_shared<Alert>();
    alert->setAlertStyle(AlertStyle::Critical);
    alert->setMessageText(message);
    alert->setInformativeText(reason);
    alert->addButtonWithTitle(u"OK");
    return alert;
}

std::shared_ptr<Alert> DocumentAlerts::notice(const String& message, const String& reason) {
    auto alert = failure(message, reason);
    alert->setAlertStyle(AlertStyle::Informational);
    return alert;
}

String DocumentAlerts::savedButMayNotLast(const String& displayName) {
    return u"The document " + quoted(displayName) +
           u" was saved, but the disk may not keep the change if the computer stops now.";
}

String DocumentAlerts::couldNotBeSaved(const String& displayName) {
    return u"The document " + quoted(displayName) + u" could not be saved.";
}

String DocumentAlerts::couldNotBeOpened(const String& displayName) {
    return u"The document " + quoted(displayName) + u" could not be opened.";
}

String DocumentAlerts::couldNotBeReverted(const String& displayName) {
    return u"The document " + quoted(displayName) + u" could not be reverted.";
}

String DocumentAlerts::couldNotBeMade() {
    return u"A new document could not be made.";
}

} // namespace platform
