#pragma once

#include <QFileDialog>
#include <memory>

namespace platform {
class SavePanel;
}

namespace gui {

// An open or save panel as a file dialog: the panel's allowed types as the name filter,
// its prompt on the accept button, its folder and proposed name. Accepting hands the
// selected paths to the panel, which may refuse them (the dialog then stays), and
// cancelling cancels it; only the model closes the dialog. A package folder (".rtfd") is
// handed over as a file, not opened; whether to replace an existing file is the model's
// question, not the dialog's.
class PanelDialog : public QFileDialog {
public:
    PanelDialog(std::shared_ptr<platform::SavePanel> panel, QWidget* parent);

    [[nodiscard]] const std::shared_ptr<platform::SavePanel>& panel() const { return panel_; }

    // Closes the dialog and deletes it once the event in progress has run.
    void finish();

    void done(int result) override;
    void accept() override;

private:
    void showPanel();
    void choose(const QStringList& files);

    std::shared_ptr<platform::SavePanel> panel_;
    bool finishing_ = false;
};

} // namespace gui
