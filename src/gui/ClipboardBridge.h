#pragma once

#include "platform/base/Observation.h"

#include <QObject>
#include <memory>

namespace platform {
class Pasteboard;
}

namespace gui {

// Keeps the model's general pasteboard and the desktop's clipboard alike: what the model
// copies (a string, RTF) goes to the clipboard as text/plain and text/rtf, and what other
// programs put on the clipboard reaches the pasteboard before the model pastes it.
class ClipboardBridge : public QObject {
public:
    ClipboardBridge(std::shared_ptr<platform::Pasteboard> pasteboard, QObject* parent);

private:
    void exportPasteboard();
    void importClipboard();

    std::shared_ptr<platform::Pasteboard> pasteboard_;
    bool importing_ = false;
    bool exporting_ = false;
    bool exportPending_ = false;
    platform::Observation pasteboardChanged_;
};

} // namespace gui
