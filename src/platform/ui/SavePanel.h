#pragma once

#include "platform/base/URL.h"
#include "platform/ui/ModalResponse.h"
#include "platform/ui/Panel.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

// The panel in which the user names a file to save: shown as a sheet on a window or
// application-modal, answered by the user with a path (OK, 1) or a cancel (0). Make
// panels with savePanel() or std::make_shared.
//
// The allowed file types are extensions without the dot ("sealscribe"); none allows any
// name. A name whose extension is not allowed gets the first allowed one added, as the
// platform's panel does when the user keeps the typed name ("notes" becomes
// "notes.sealscribe", "notes.txt" becomes "notes.txt.sealscribe").
//
// Observable keys: "URLs" (told when the user answers), "allowedFileTypes", "prompt",
// "message", "nameFieldStringValue", "directoryURL" (observers read the accessors).
class SavePanel : public Panel {
public:
    using CompletionHandler = std::function<void(ModalResponse result)>;

    [[nodiscard]] static std::shared_ptr<SavePanel> savePanel();

    SavePanel();

    [[nodiscard]] const std::vector<String>& allowedFileTypes() const { return allowedFileTypes_; }
    void setAllowedFileTypes(const std::vector<String>& types);
    // What the allowed files are called ("Sealscribe documents"); empty by default.
    [[nodiscard]] String fileTypeDescription() const { return fileTypeDescription_; }
    void setFileTypeDescription(const String& description) { fileTypeDescription_ = description; }
    // The title of the OK button: "Save", or "Open" for an open panel.
    [[nodiscard]] String prompt() const { return prompt_; }
    void setPrompt(const String& prompt);
    // A line of text above the file list; empty by default.
    [[nodiscard]] String message() const { return message_; }
    void setMessage(const String& message);
    // The name the panel proposes.
    [[nodiscard]] String nameFieldStringValue() const { return nameFieldStringValue_; }
    void setNameFieldStringValue(const String& name);
    // The folder the panel shows first; relative paths the user gives are taken from it.
    [[nodiscard]] std::optional<platform::URL> directoryURL() const { return directoryURL_; }
    void setDirectoryURL(const std::optional<platform::URL>& url);

    // The chosen file, once the user has answered OK; none before and after a cancel.
    [[nodiscard]] std::optional<platform::URL> URL() const;

    // Begins the panel as a sheet on the window, like any other sheet (it waits behind an
    // attached one), and returns at once; the handler runs with the answer. Without a
    // window the panel runs application-modal and then the handler runs.
    void beginSheetModalForWindow(const std::shared_ptr<Window>& window, CompletionHandler handler);

    // Shows the panel application-modal through the application's modal runner, which
    // must be a ModalPanelRunner, and returns the answer once the user has given it.
    [[nodiscard]] ModalResponse runModal();

    // Attached as a sheet or running application-modal.
    [[nodiscard]] bool isShown() const;

    // User entry points. A choice the panel does not take (see acceptedURLs) leaves it
    // shown and answers false, as does an entry while the panel is not shown.
    [[nodiscard]] bool userChoose(const String& path);
    [[nodiscard]] bool userCancel();

protected:
    // The files the paths name when the panel takes them, none when it refuses them: a
    // save panel takes one name that is not empty and not an existing folder (a package
    // is a file).
    [[nodiscard]] virtual std::optional<std::vector<platform::URL>>
    acceptedURLs(const std::vector<String>& paths) const;
    // A relative path is taken from the panel's folder when it has one.
    [[nodiscard]] std::optional<platform::URL> resolvedURL(const String& path) const;
    [[nodiscard]] bool userChoosePaths(const std::vector<String>& paths);
    [[nodiscard]] const std::vector<platform::URL>& chosenURLs() const { return urls_; }

private:
    void answer(ModalResponse result);

    std::vector<String> allowedFileTypes_;
    String fileTypeDescription_;
    String prompt_;
    String message_;
    String nameFieldStringValue_;
    std::optional<platform::URL> directoryURL_;
    std::vector<platform::URL> urls_;
    bool runningModal_ = false;
    std::optional<ModalResponse> modalResponse_;
};

} // namespace platform
