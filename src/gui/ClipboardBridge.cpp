#include "gui/ClipboardBridge.h"

#include "platform/ui/Pasteboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QTimer>

namespace gui {
namespace {

const QString plainType = QStringLiteral("text/plain");
const QString rtfType = QStringLiteral("text/rtf");

QByteArray bytesOf(const platform::Data& data) {
    return {reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size())};
}

platform::Data dataOf(const QByteArray& bytes) {
    return platform::Data(bytes.begin(), bytes.end());
}

} // namespace

ClipboardBridge::ClipboardBridge(std::shared_ptr<platform::Pasteboard> pasteboard, QObject* parent)
    : QObject(parent), pasteboard_(std::move(pasteboard)) {
    importClipboard();
    // A copy writes the pasteboard in steps (clear, string, RTF): the clipboard gets the
    // result once.
    pasteboardChanged_ = pasteboard_->typesProperty().observe([this] {
        if (importing_ || exportPending_)
            return;
        exportPending_ = true;
        QTimer::singleShot(0, this, [this] { exportPasteboard(); });
    });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { importClipboard(); });
}

void ClipboardBridge::exportPasteboard() {
    exportPending_ = false;
    auto* mime = new QMimeData;
    if (const auto text = pasteboard_->dataForType(platform::Pasteboard::stringType))
        mime->setData(plainType, bytesOf(*text));
    if (const auto rtf = pasteboard_->dataForType(platform::Pasteboard::rtfType))
        mime->setData(rtfType, bytesOf(*rtf));
    const QScopedValueRollback exporting(exporting_, true);
    QGuiApplication::clipboard()->setMimeData(mime);
}

// What this program put there is the pasteboard's already.
void ClipboardBridge::importClipboard() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (exporting_ || exportPending_ || clipboard->ownsClipboard())
        return;
    const QScopedValueRollback importing(importing_, true);
    pasteboard_->clearContents();
    const QMimeData* mime = clipboard->mimeData();
    if (!mime)
        return;
    if (mime->hasText())
        pasteboard_->setData(dataOf(mime->text().toUtf8()), platform::Pasteboard::stringType);
    if (mime->hasFormat(rtfType))
        pasteboard_->setData(dataOf(mime->data(rtfType)), platform::Pasteboard::rtfType);
}

} // namespace gui
