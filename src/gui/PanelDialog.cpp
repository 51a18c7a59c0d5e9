#include "gui/PanelDialog.h"

#include "gui/QtString.h"
#include "platform/ui/OpenPanel.h"
#include "platform/ui/PathExtension.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>

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

bool isPackageFolder(const QString& path) {
    return QFileInfo(path).isDir() && platform::PathExtension::isPackage(fromQString(path));
}

} // namespace

PanelDialog::PanelDialog(std::shared_ptr<platform::SavePanel> panel, QWidget* parent)
    : QFileDialog(parent), panel_(std::move(panel)) {
    // Qt's own dialog, the same on every desktop and offscreen.
    setOption(QFileDialog::DontUseNativeDialog);
    // The panel's owner asks about replacing the file it is given.
    setOption(QFileDialog::DontConfirmOverwrite);
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
    if (result != QDialog::Accepted) {
        const auto keepAlive = panel_;
        (void)panel_->userCancel();
        return;
    }
    choose(selectedFiles());
}

// A package is a file to the panel, where Qt's dialog would open it as a folder.
void PanelDialog::accept() {
    const QStringList files = selectedFiles();
    const bool choosesPackage = std::any_of(files.begin(), files.end(), isPackageFolder) &&
                                std::none_of(files.begin(), files.end(), [](const QString& file) {
                                    return QFileInfo(file).isDir() && !isPackageFolder(file);
                                });
    if (choosesPackage && fileMode() != QFileDialog::Directory)
        choose(files);
    else
        QFileDialog::accept();
}

void PanelDialog::choose(const QStringList& files) {
    const auto keepAlive = panel_;
    std::vector<platform::String> paths;
    for (const QString& file : files)
        paths.push_back(fromQString(file));
    lastFolder() = directory().absolutePath();
    if (auto* open = dynamic_cast<platform::OpenPanel*>(panel_.get()))
        (void)open->userChoose(paths);
    else if (!paths.empty())
        (void)panel_->userChoose(paths.front());
}

} // namespace gui
