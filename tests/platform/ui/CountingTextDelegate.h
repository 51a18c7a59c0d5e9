#pragma once

#include "platform/ui/TextDelegate.h"

namespace uitest {

// Counts what a text tells its delegate.
class CountingTextDelegate : public platform::TextDelegate {
public:
    void textDidChange(platform::Text&) override { ++changes; }
    void textDidEndEditing(platform::Text&) override { ++ends; }
    int changes = 0;
    int ends = 0;
};

} // namespace uitest
