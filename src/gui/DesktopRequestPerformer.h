#pragma once

#include "platform/base/Observation.h"
#include "platform/base/String.h"
#include "platform/ui/DesktopRequest.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace platform {
class Application;
}

namespace gui {

// Performs the requests of the command line and of other programs in the model: new
// documents through the Services entry, open and unlock through the scripting command,
// files through the document controller. A request that arrives while an application-modal
// alert or panel runs waits until it has ended: the nested loop that runs it would
// otherwise perform the request inside it.
class DesktopRequestPerformer {
public:
    // The reason when the request failed, for a person to read.
    using Completion = std::function<void(const std::optional<platform::String>& failure)>;

    // The names that the model knows its entry points by.
    static constexpr const char16_t* servicesProvider = u"Sealscribe";
    static constexpr const char16_t* servicesMessage = u"doCreateDocWithText:userData:error:";
    static constexpr const char16_t* unlockCommand = u"decryptDocument";

    explicit DesktopRequestPerformer(std::shared_ptr<platform::Application> application);
    ~DesktopRequestPerformer();
    DesktopRequestPerformer(const DesktopRequestPerformer&) = delete;
    DesktopRequestPerformer& operator=(const DesktopRequestPerformer&) = delete;

    // Main thread. The completion runs once, at once or later.
    void perform(platform::DesktopRequest request, Completion completion);

private:
    struct Pending {
        platform::DesktopRequest request;
        Completion completion;
    };

    void performNow(const platform::DesktopRequest& request, Completion completion);
    void newDocumentFromText(const platform::Data& text, const Completion& completion);
    void newDocumentFromSelection(const Completion& completion);
    void open(const platform::DesktopRequest& request, Completion completion);
    void unlock(const platform::DesktopRequest& request, const Completion& completion);
    void performWaiting();

    std::shared_ptr<platform::Application> application_;
    std::deque<Pending> waiting_;
    platform::Observation modalChanged_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace gui
