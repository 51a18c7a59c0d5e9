#include "gui/PrintPresenter.h"

#include "gui/PrintDialog.h"
#include "platform/ui/PrintInfo.h"
#include "platform/ui/PrintOperation.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

#include <QApplication>
#include <QDialog>
#include <QPrinterInfo>

namespace gui {
namespace {

void startWithTheDefaultPaper() {
    const QPageSize paper = QPrinterInfo::defaultPrinter().defaultPageSize();
    if (!paper.isValid())
        return;
    const QSizeF size = paper.size(QPageSize::Point);
    platform::PrintInfo::sharedPrintInfo()->setPaperSize({size.width(), size.height()});
}

} // namespace

void PrintPresenter::install(WindowWidgets widgets) {
    startWithTheDefaultPaper();
    platform::PrintOperation::setPresenter(
        [widgets = std::move(widgets)](const auto& operation) { present(operation, widgets); });
}

void PrintPresenter::uninstall() {
    platform::PrintOperation::setPresenter({});
}

void PrintPresenter::present(const std::shared_ptr<platform::PrintOperation>& operation,
                             const WindowWidgets& widgets) {
    if (!operation->view()) {
        operation->cancel();
        return;
    }
    const auto window = operation->view()->window();
    QWidget* windowWidget = window ? widgets(*window) : nullptr;
    auto* dialog =
        new PrintDialog(operation, windowWidget ? windowWidget : QApplication::activeWindow());
    show(*dialog, windowWidget != nullptr);
}

void PrintPresenter::show(QDialog& dialog, bool ofWindow) {
    if (ofWindow) {
        dialog.open();
        return;
    }
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
}

} // namespace gui
