#pragma once

#include "platform/ui/Alert.h"

#include <memory>

// The alerts of the password sheets and of the unlock, each made anew with its texts and
// buttons (warning style; the first button answers 1000).
class PasswordAlert {
public:
    [[nodiscard]] static std::shared_ptr<platform::Alert> wrongPassword();

    [[nodiscard]] static std::shared_ptr<platform::Alert> mandatoryPasswordNonEqual();
    [[nodiscard]] static std::shared_ptr<platform::Alert> mandatoryPasswordTooShort();
    [[nodiscard]] static std::shared_ptr<platform::Alert> mandatoryPasswordAccepted();

    [[nodiscard]] static std::shared_ptr<platform::Alert> oldPasswordMismatch();
    [[nodiscard]] static std::shared_ptr<platform::Alert> newPasswordsNonEqual();
    [[nodiscard]] static std::shared_ptr<platform::Alert> newPasswordTooShort();
    [[nodiscard]] static std::shared_ptr<platform::Alert> passwordChanged();
    [[nodiscard]] static std::shared_ptr<platform::Alert> insertedPasswordAccepted();

private:
    [[nodiscard]] static std::shared_ptr<platform::Alert> make(const platform::String& message,
                                                               const platform::String& information,
                                                               bool retry, bool cancel);
};
