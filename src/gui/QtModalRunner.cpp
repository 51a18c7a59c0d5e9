#include "gui/QtModalRunner.h"

#include "gui/AlertDialog.h"
#include "gui/PanelDialog.h"
#include "gui/SheetBinding.h"
#include "platform/ui/Alert.h"
#include "platform/ui/SavePanel.h"

#include <QApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QPointer>
#include <memory>

namespace gui {
namespace {

template <typename Kind> std::shared_ptr<Kind> shared(Kind& object) {
    return std::dynamic_pointer_cast<Kind>(object.weak_from_this().lock());
}

} // namespace

void QtModalRunner::runModalForAlert(platform::Alert& alert) {
    if (const auto owned = shared(alert))
        run(new AlertDialog(owned, QApplication::activeWindow()), alert.modalResponseProperty(),
            [&alert] { return alert.isShown(); });
}

void QtModalRunner::runModalForPanel(platform::SavePanel& panel) {
    if (const auto owned = shared(panel))
        run(new PanelDialog(owned, QApplication::activeWindow()), panel.URLsProperty(),
            [&panel] { return panel.isShown(); });
}

void QtModalRunner::run(QDialog* dialog, const platform::PropertyBase& answer,
                        const std::function<bool()>& isShown) {
    QPointer<QDialog> guarded = dialog;
    dialog->setWindowModality(Qt::ApplicationModal);
    QDialog* outer = std::exchange(dialog_, dialog);
    QEventLoop loop;
    // Told as the answer is given; the loop ends once that event has run.
    const auto answered = answer.observe([&loop] { loop.quit(); });
    dialog->show();
    tellShown(dialog);
    if (isShown())
        loop.exec(QEventLoop::DialogExec);
    dialog_ = outer;
    SheetBinding::finish(guarded);
}

// Queued, so that the handler runs inside the nested loop, as the user's answer would.
void QtModalRunner::tellShown(QDialog* dialog) {
    if (!shownHandler_)
        return;
    QMetaObject::invokeMethod(
        dialog,
        [this, dialog] {
            if (dialog_ == dialog)
                shownHandler_(*dialog);
        },
        Qt::QueuedConnection);
}

} // namespace gui
