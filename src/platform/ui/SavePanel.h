#pragma once

#include "platform/base/ComputedProperty.h"
#include "platform/base/Property.h"
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
// "notes.sealscribe", "notes.txt" becomes "notes.txt.sealscribe"). A name of an existing
// file is taken only once the user has agreed, in an application-modal alert, to replace
// that file: the name as written, extension included.
//
// Observable: "URLs" (told when the user answers), "allowedFileTypes", "prompt",
// "message", "nameFieldStringValue", "directoryURL".
class SavePanel : public Panel {
public:
    using CompletionHandler = std::function<void(ModalResponse result)>;

    [[nodiscard]] static std::shared_ptr<SavePanel> savePanel();

    SavePanel();

    [[nodiscard]] const std::vector<String>& allowedFileTypes() const {
        return allowedFileTypes_.get();
    }
    void setAllowedFileTypes(const std::vector<String>& types) { allowedFileTypes_.set(types); }
    [[nodiscard]] const Property<std::vector<String>>& allowedFileTypesProperty() const {
        return allowedFileTypes_;
    }
    // What the allowed files are called ("Sealscribe documents"); empty by default.
    [[nodiscard]] String fileTypeDescription() const { return fileTypeDescription_; }
    void setFileTypeDescription(const String& description) { fileTypeDescription_ = description; }
    // The title of the OK button: "Save", or "Open" for an open panel.
    [[nodiscard]] String prompt() const { return prompt_.get(); }
    void setPrompt(const String& prompt) { prompt_.set(prompt); }
    [[nodiscard]] const Property<String>& promptProperty() const { return prompt_; }
    // A line of text above the file list; empty by default.
    [[nodiscard]] String message() const { return message_.get(); }
    void setMessage(const String& message) { message_.set(message); }
    [[nodiscard]] const Property<String>& messageProperty() const { return message_; }
    // The name the panel proposes.
    [[nodiscard]] String nameFieldStringValue() const { return nameFieldStringValue_.get(); }
    void setNameFieldStringValue(const String& name) { nameFieldStringValue_.set(name); }
    [[nodiscard]] const Property<String>& nameFieldStringValueProperty() const {
        return nameFieldStringValue_;
    }
    // The folder the panel shows first; relative paths the user gives are taken from it.
    [[nodiscard]] std::optional<platform::URL> directoryURL() const { return directoryURL_.get(); }
    void setDirectoryURL(const std::optional<platform::URL>& url) { directoryURL_.set(url); }
    [[nodiscard]] const Property<std::optional<platform::URL>>& directoryURLProperty() const {
        return directoryURL_;
    }

    // The chosen file, once the user has answered OK; none before and after a cancel.
    [[nodiscard]] std::optional<platform::URL> URL() const;
    // Told when the user answers.
    [[nodiscard]] const ComputedProperty<std::vector<platform::URL>>& URLsProperty() const {
        return URLs_;
    }

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
    // Whether choosing an existing file asks first whether to replace it.
    [[nodiscard]] virtual bool asksBeforeReplacing() const { return true; }
    [[nodiscard]] const std::vector<platform::URL>& chosenURLs() const { return urls_; }

private:
    void answer(ModalResponse result);
    [[nodiscard]] bool userAllowsReplacing(const platform::URL& url) const;

    Property<std::vector<String>> allowedFileTypes_{*this, u"allowedFileTypes"};
    String fileTypeDescription_;
    Property<String> prompt_{*this, u"prompt", u"Save"};
    Property<String> message_{*this, u"message"};
    Property<String> nameFieldStringValue_{*this, u"nameFieldStringValue"};
    Property<std::optional<platform::URL>> directoryURL_{*this, u"directoryURL"};
    std::vector<platform::URL> urls_;
    ComputedProperty<std::vector<platform::URL>> URLs_{*this, u"URLs", [this] { return urls_; }};
    bool runningModal_ = false;
    std::optional<ModalResponse> modalResponse_;
};

} // namespace platform
