#include "gui/PrintDialog.h"

#include "gui/QtPageLayout.h"
#include "gui/ViewPrinter.h"
#include "platform/ui/PrintOperation.h"

namespace gui {
PrintDialog::PrintDialog(std::shared_ptr<platform::PrintOperation> operation, QWidget* parent)
    : OwnedPrinter(printerFor(operation->printInfo())), QPrintDialog(ownedPrinter.get(), parent),
      operation_(std::move(operation)) {
    connect(this, &QDialog::finished, this, [this](int result) { answer(result); });
    stateChanged_ = operation_->stateProperty().observe([this] {
        if (isVisible())
            done(QDialog::Rejected);
    });
}

PrintDialog::~PrintDialog() {
    stateChanged_.cancel();
    operation_->cancel();
}

void PrintDialog::answer(int result) {
    stateChanged_.cancel();
    const bool wanted = result == QDialog::Accepted && operation_->view() &&
                        operation_->state() == platform::PrintOperation::State::Pending;
    if (wanted && ViewPrinter::print(*operation_->view(), *ownedPrinter))
        operation_->complete();
    else
        operation_->cancel();
    deleteLater();
}

} // namespace gui
