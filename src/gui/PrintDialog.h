#pragma once

#include "gui/OwnedPrinter.h"
#include "platform/base/Observation.h"

#include <QPrintDialog>
#include <memory>

namespace platform {
class PrintOperation;
}

namespace gui {

// Qt's print dialog for a print operation, on a printer laid out by the operation's print
// info. Accepting prints the view on the printer chosen and completes the operation (or
// cancels it when the printer failed); rejecting cancels it. An operation the model
// cancels first closes the dialog. The dialog deletes itself once answered.
class PrintDialog : private OwnedPrinter, public QPrintDialog {
public:
    PrintDialog(std::shared_ptr<platform::PrintOperation> operation, QWidget* parent);
    ~PrintDialog() override;
    PrintDialog(const PrintDialog&) = delete;
    PrintDialog& operator=(const PrintDialog&) = delete;

    [[nodiscard]] const std::shared_ptr<platform::PrintOperation>& operation() const {
        return operation_;
    }

private:
    void answer(int result);

    std::shared_ptr<platform::PrintOperation> operation_;
    platform::Observation stateChanged_;
};

} // namespace gui
