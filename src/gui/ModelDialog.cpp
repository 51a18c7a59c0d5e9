#include "gui/ModelDialog.h"

#include <QCloseEvent>

namespace gui {

void ModelDialog::finish() {
    finishing_ = true;
    QDialog::done(QDialog::Accepted);
    deleteLater();
}

void ModelDialog::done(int result) {
    if (finishing_)
        QDialog::done(result);
}

void ModelDialog::closeEvent(QCloseEvent* event) {
    if (!finishing_)
        event->ignore();
}

} // namespace gui
