#pragma once

#include <QDialog>

namespace gui {

// A dialog that only the model closes: escape, the close button and Qt's own accept and
// reject leave it open until finish().
class ModelDialog : public QDialog {
public:
    using QDialog::QDialog;

    // Closes the dialog and deletes it once the event in progress has run.
    void finish();

    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool finishing_ = false;
};

} // namespace gui
