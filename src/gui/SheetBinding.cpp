#include "gui/SheetBinding.h"

#include "gui/AlertDialog.h"
#include "gui/PanelDialog.h"
#include "gui/SheetDialog.h"
#include "platform/ui/AlertPanel.h"
#include "platform/ui/SavePanel.h"
#include "platform/ui/Window.h"

#include <QWidget>

namespace gui {

SheetBinding::SheetBinding(std::shared_ptr<platform::Window> window, QWidget* windowWidget)
    : QObject(windowWidget), window_(std::move(window)), windowWidget_(windowWidget) {
    attachedSheet_ = window_->attachedSheetProperty().observe([this] { refresh(); });
    refresh();
}

SheetBinding::~SheetBinding() {
    finish(dialog_);
}

QDialog* SheetBinding::dialogFor(const std::shared_ptr<platform::Window>& sheet, QWidget* parent) {
    if (const auto alert = platform::AlertPanel::alertOf(sheet))
        return new AlertDialog(alert, parent);
    if (const auto panel = std::dynamic_pointer_cast<platform::SavePanel>(sheet))
        return new PanelDialog(panel, parent);
    return new SheetDialog(sheet, parent);
}

void SheetBinding::finish(QDialog* dialog) {
    if (auto* modelDialog = dynamic_cast<ModelDialog*>(dialog))
        modelDialog->finish();
    else if (auto* panelDialog = dynamic_cast<PanelDialog*>(dialog))
        panelDialog->finish();
}

void SheetBinding::refresh() {
    const auto attached = windowWidget_->isVisible() ? window_->attachedSheet() : nullptr;
    if (attached == shown_)
        return;
    finish(dialog_);
    dialog_ = nullptr;
    shown_ = attached;
    if (!attached)
        return;
    dialog_ = dialogFor(attached, windowWidget_);
    dialog_->setWindowFlags((dialog_->windowFlags() & ~Qt::WindowType_Mask) | Qt::Sheet);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->open();
    place(contentTop_);
}

void SheetBinding::place(int contentTop) {
    contentTop_ = contentTop;
    if (!dialog_)
        return;
    dialog_->adjustSize();
    const QPoint topLeft = windowWidget_->mapToGlobal(QPoint(0, contentTop));
    dialog_->setGeometry(
        QRect(QPoint(topLeft.x() + (windowWidget_->width() - dialog_->width()) / 2, topLeft.y()),
              dialog_->size()));
}

} // namespace gui
