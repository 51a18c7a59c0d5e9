#pragma once

#include "platform/base/String.h"

class QPrinter;

namespace platform {
class View;
}

namespace gui {

// Prints a view on a printer's pages: a text view's content with its styles, any other
// view as the text of its controls.
class ViewPrinter {
public:
    // Whether the printer took it; one that failed has printed nothing.
    [[nodiscard]] static bool print(const platform::View& view, QPrinter& printer);

    // What a view that is not a text prints: the text of its fields and buttons, in the
    // order of its tree.
    [[nodiscard]] static platform::String textOf(const platform::View& view);
};

} // namespace gui
