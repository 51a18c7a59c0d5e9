#pragma once

#include "platform/ui/TextField.h"

namespace platform {

// A text field whose text is not shown (a password field).
class SecureTextField : public TextField {
public:
    using TextField::TextField;
};

} // namespace platform
