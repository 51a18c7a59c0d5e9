#include "document/PasswordAlert.h"

using platform::Alert;
using platform::String;

std::shared_ptr<Alert> PasswordAlert::make(const String& message, const String& information,
                                           bool retry, bool cancel) {
    auto alert = std::make_shared<Alert>();
    alert->setAlertStyle(platform::AlertStyle::Warning);
    alert->addButtonWithTitle(retry ? u"Retry" : u"OK");
    if (cancel)
        alert->addButtonWithTitle(u"Cancel");
    alert->setMessageText(message);
    alert->setInformativeText(information);
    return alert;
}

std::shared_ptr<Alert> PasswordAlert::wrongPassword() {
    return make(u"Wrong Password",
                u"You inserted a wrong password.\nTo access this document you must insert exactly "
                u"the password used to protect it",
                false, false);
}

std::shared_ptr<Alert> PasswordAlert::mandatoryPasswordNonEqual() {
    return make(u"Password inserted in the two fields doesn't match",
                u"You must insert exactly the same password in the two fields.", true, false);
}

std::shared_ptr<Alert> PasswordAlert::mandatoryPasswordTooShort() {
    return make(u"Password too short",
                u"You have to use a password which is at least six character long.", true, false);
}

std::shared_ptr<Alert> PasswordAlert::mandatoryPasswordAccepted() {
    return make(u"Password accepted",
                u"This password will be used when saving this document.\nData will be stored on "
                u"disk encrypted using a secure algorithm.\n\nNext time, to open this document, "
                u"this password will be required.\nStore your password in a safe place.\nThere "
                u"is no way, even for the developers of this application, to open the document "
                u"and decrypt the data without the right password.",
                false, false);
}

std::shared_ptr<Alert> PasswordAlert::oldPasswordMismatch() {
    return make(u"Password inserted in the 'Old Master Password' field must be equal to the "
                u"password previously used to protect this document.",
                u"No changes were applied", true, true);
}

std::shared_ptr<Alert> PasswordAlert::newPasswordsNonEqual() {
    return make(u"Passwords inserted in the two fields doesn't match",
                u"You must insert exactly the same password in the two 'New Password' fields. No "
                u"changes were applied",
                true, true);
}

std::shared_ptr<Alert> PasswordAlert::newPasswordTooShort() {
    return make(u"Password Too Short. You have to use a password which is at least six character "
                u"long.",
                u"No changes were applied", true, true);
}

std::shared_ptr<Alert> PasswordAlert::passwordChanged() {
    return make(u"Password changed successfuly",
                u"This new password will be used when saving this document.\nData will be stored "
                u"on disk encrypted using a secure algorithm.\n\nNext time, to open this "
                u"document, this new password will be required.\nStore your new password in a "
                u"safe place.\nThere is no way, even for the Marrowfield Labs, to open the "
                u"document and decrypt the data without the right password.",
                false, false);
}

std::shared_ptr<Alert> PasswordAlert::insertedPasswordAccepted() {
    return make(u"Password accepted",
                u"This password will be used when saving this document.\nData will be stored on "
                u"disk encrypted using a secure algorithm.\n\nNext time, to open this document, "
                u"this password will be required.\nStore your password in a safe place.\nThere "
                u"is no way, even for Marrowfield Labs, to open the document and decrypt the "
                u"data without the right password.",
                false, false);
}
