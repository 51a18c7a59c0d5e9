#include "gui/PanelDialog.h"

#include "gui/QtString.h"
#include "platform/ui/OpenPanel.h"

#include <QStandardPaths>
#include <QStringList>

namespace gui {
namespace {

// "Sealscribe documents (*.sealscribe)", or the patterns alone without a description.
QString nameFilter(const platform::SavePanel& panel) {
    QStringList patterns;
    for (const auto& type : panel.allowedFileTypes())
        patterns << QStringLiteral("*.") + toQString(type);
    QString joined = patterns.join(u' ');
    if (panel.fileTypeDescription().empty())
        return joined;
    return toQString(panel.fileTypeDescription()) + QStringLiteral(" (") + joined + u')';
}

// The folder a panel without one of its own starts in: the last one chosen in, else the
// user's documents folder.
QString& lastFolder() {
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder;
}

QFileDialog::FileMode fileModeFor(const platform::OpenPanel& panel) {
    if (panel.canChooseDirectories() && !panel.canChooseFiles())
        return QFileDialog::Directory;
    return panel.allowsMultipleSelection() ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile;
}

} // namespace

PanelDialog::PanelDialog(std::shared_ptr<platform::SavePanel> panel, QWidget* parent)
    : QFileDialog(parent), panel_(std::move(panel)) {
    // Qt's own dialog, the same on every desktop and offscreen.
    setOption(QFileDialog::DontUseNativeDialog);
    showPanel();
}

void PanelDialog::showPanel() {
    const auto* open = dynamic_cast<const platform::OpenPanel*>(panel_.get());
    setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    setFileMode(open ? fileModeFor(*open) : QFileDialog::AnyFile);
    if (!panel_->allowedFileTypes().empty()) {
        setNameFilter(nameFilter(*panel_));
        setDefaultSuffix(toQString(panel_->allowedFileTypes().front()));
    }
    if (!panel_->prompt().empty())
        setLabelText(QFileDialog::Accept, toQString(panel_->prompt()));
    if (!panel_->message().empty())
        setWindowTitle(toQString(panel_->message()));
    const auto folder = panel_->directoryURL();
    const auto path = folder ? folder->path() : std::nullopt;
    setDirectory(path ? toQString(*path) : lastFolder());
    if (!panel_->nameFieldStringValue().empty())
        selectFile(toQString(panel_->nameFieldStringValue()));
}

void PanelDialog::finish() {
    finishing_ = true;
    QFileDialog::done(QDialog::Accepted);
    deleteLater();
}

void PanelDialog::done(int result) {
    if (finishing_) {
        QFileDialog::done(result);
        return;
    }
    const auto keepAlive = panel_;
    if (result != QDialog::Accepted) {
        (void)panel_->userCancel();
        return;
    }
    std::vector<platform::String> paths;
    for (const QString& file : selectedFiles())
        paths.push_back(fromQString(file));
    lastFolder() = directory().absolutePath();
    if (auto* open = dynamic_cast<platform::OpenPanel*>(panel_.get()))
        (void)open->userChoose(paths);
    else if (!paths.empty())
        (void)panel_->userChoose(paths.front());
}

} // namespace gui
