#pragma once

#include "platform/base/Observation.h"

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <memory>

class QDialog;
class QWidget;

namespace platform {
class Window;
}

namespace gui {

// Shows the sheet attached to a window as a window-modal dialog of the window's widget,
// centred at the top of its content, from the moment the model attaches it until it ends:
// an alert's sheet as an alert, any other as the sheet's content.
class SheetBinding : public QObject {
public:
    SheetBinding(std::shared_ptr<platform::Window> window, QWidget* windowWidget);
    ~SheetBinding() override;

    // The dialog of the attached sheet (an AlertDialog, a PanelDialog or a SheetDialog);
    // none without one.
    [[nodiscard]] QDialog* dialog() const { return dialog_; }

    // The dialog for a window shown as a sheet or application-modal, closed only by the
    // model (finish).
    [[nodiscard]] static QDialog* dialogFor(const std::shared_ptr<platform::Window>& sheet,
                                            QWidget* parent);
    static void finish(QDialog* dialog);

    // Centres the dialog at the top of `contentTop`, in the window widget's coordinates.
    void place(int contentTop);

    // Shows the sheet attached now, once the window widget is visible.
    void refresh();

private:
    std::shared_ptr<platform::Window> window_;
    QWidget* windowWidget_;
    std::shared_ptr<platform::Window> shown_;
    QPointer<QDialog> dialog_;
    int contentTop_ = 0;
    platform::Observation attachedSheet_;
};

} // namespace gui
