#pragma once

#include <QPrinter>
#include <memory>

namespace gui {

// The printer a print or page setup dialog works on. The dialogs take it as a base before
// Qt's dialog, so that it is made first and outlives the dialog that points to it.
struct OwnedPrinter {
    explicit OwnedPrinter(std::unique_ptr<QPrinter> made) : ownedPrinter(std::move(made)) {}

    std::unique_ptr<QPrinter> ownedPrinter;
};

} // namespace gui
