#pragma once

namespace platform {
class TextView;
}

// Sets a whole text in the default body font of the settings ("StartupFontFamily",
// "StartupFontSize"; the view's default font where no font has that name) with no other
// attribute, and makes that font what is typed next; the default paragraph style stays.
class BodyRestyling {
public:
    static void restyle(platform::TextView& textView);
};
