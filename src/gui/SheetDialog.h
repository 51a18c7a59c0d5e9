#pragma once

#include "gui/ModelDialog.h"
#include "platform/base/Observation.h"

#include <memory>
#include <vector>

namespace platform {
class Window;
}

namespace gui {

// A window shown as a sheet: its content view in a window-modal dialog of its content
// size. The model ends it; the dialog has no way of its own to close. Return and Escape
// press the buttons that have them as key equivalents.
class SheetDialog : public ModelDialog {
public:
    SheetDialog(std::shared_ptr<platform::Window> sheet, QWidget* parent);

    [[nodiscard]] const std::shared_ptr<platform::Window>& sheet() const { return sheet_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showContentView();
    void showSize();
    void showFirstResponder();

    std::shared_ptr<platform::Window> sheet_;
    QWidget* content_ = nullptr;
    std::vector<platform::Observation> observations_;
};

} // namespace gui
