#pragma once

#include "platform/base/String.h"

#include <memory>

namespace platform {
class PrintOperation;
class View;
} // namespace platform

namespace gui {

// Presents print operations: Qt's print dialog, then the view printed on the chosen
// printer (a text view's content with its styles, any other view as the text of its
// controls); the operation completes when it was printed and is cancelled otherwise.
class PrintPresenter {
public:
    // Installs the presenter for every print operation; uninstall() removes it.
    static void install();
    static void uninstall();

    static void present(const std::shared_ptr<platform::PrintOperation>& operation);

    // What a view prints: the text of its fields and buttons, in the order of its tree.
    [[nodiscard]] static platform::String textOf(const platform::View& view);
};

} // namespace gui
