#include "platform/ui/Application.h"

#include "platform/base/OperationQueue.h"
#include "platform/base/ProgrammingError.h"
#include "platform/ui/Alert.h"
#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/Environment.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/ModalPanelRunner.h"
#include "platform/ui/ModalRunner.h"
#include "platform/ui/UserInterfaceValidation.h"
#include "platform/ui/Window.h"
#include "platform/ui/WindowDelegate.h"

#include <algorithm>
#include <set>

namespace platform {

Application::Application() {
    exposeAction(u"terminate:", [this](const Sender& sender) { terminate(sender); });
}

Application::~Application() = default;

std::shared_ptr<Application> Application::sharedApplication() {
    return Environment::current().application.get();
}

void Application::setSharedApplication(const std::shared_ptr<Application>& application) {
    Environment::current().application.set(application);
}

std::vector<std::shared_ptr<Window>> Application::windows() const {
    std::vector<std::shared_ptr<Window>> live;
    for (const auto& weak : windows_)
        if (auto window = weak.lock())
            live.push_back(std::move(window));
    return live;
}

void Application::setActive(bool active) {
    if (!active_.change(active))
        return;
    const auto applicationDelegate = delegate();
    if (!applicationDelegate)
        return;
    if (active)
        applicationDelegate->applicationDidBecomeActive(*this);
    else
        applicationDelegate->applicationDidResignActive(*this);
}

void Application::finishLaunching() {
    const auto keepAlive = shared_from_this();
    if (const auto applicationDelegate = delegate())
        applicationDelegate->applicationWillFinishLaunching(*this);
    if (launchHook_)
        launchHook_();
    running_.set(true);
    if (const auto applicationDelegate = delegate())
        applicationDelegate->applicationDidFinishLaunching(*this);
}

void Application::terminate(const Sender&) {
    if (terminating_)
        return;
    if (!terminationReview_) {
        stopRunning();
        return;
    }
    terminating_ = true;
    const std::weak_ptr<Application> weakSelf =
        std::static_pointer_cast<Application>(shared_from_this());
    terminationReview_([weakSelf](bool shouldTerminate) {
        const auto application = weakSelf.lock();
        if (!application || !application->terminating_)
            return;
        application->terminating_ = false;
        if (shouldTerminate)
            application->stopRunning();
    });
}

void Application::stopRunning() {
    running_.set(false);
}

bool Application::sendAction(const String& action, const std::shared_ptr<Responder>& target,
                             const Sender& sender) {
    if (action.empty())
        return false;
    const auto receiver = target ? target : targetForAction(action);
    return receiver && receiver->perform(action, sender);
}

std::shared_ptr<Responder> Application::targetForAction(const String& action) const {
    for (const auto& responder : responderChain())
        if (responder->respondsToAction(action))
            return responder;
    return nullptr;
}

std::vector<std::shared_ptr<Responder>> Application::responderChain() const {
    std::vector<std::shared_ptr<Responder>> chain;
    std::set<const Responder*> visited;
    const auto follow = [&](std::shared_ptr<Responder> responder) {
        while (responder && visited.insert(responder.get()).second) {
            chain.push_back(responder);
            responder = responder->nextResponder();
        }
    };
    const auto followWindow = [&](const std::shared_ptr<Window>& window) {
        follow(window->firstResponder());
        follow(window);
        follow(std::dynamic_pointer_cast<Responder>(window->delegate()));
    };
    if (const auto key = keyWindow()) {
        followWindow(key);
        if (const auto parent = key->sheetParent())
            followWindow(parent);
    }
    follow(std::const_pointer_cast<Responder>(
        std::static_pointer_cast<const Responder>(shared_from_this())));
    follow(std::dynamic_pointer_cast<Responder>(delegate()));
    follow(finalResponder_.lock());
    return chain;
}

void Application::validateMenu(Menu& menu) {
    if (&menu == windowsMenu_.get())
        windowsMenuItems_.refresh(menu, windows(), keyWindow());
    if (!menu.autoenablesItems())
        return;
    // Validation may change the menu; validate a snapshot of its items.
    const auto items = menu.items();
    for (const auto& item : items)
        if (!item->action().empty())
            item->setEnabled(UserInterfaceValidation::validateMenuItem(*this, *item));
}

void Application::endSheet(const std::shared_ptr<Window>& sheet) {
    endSheet(sheet, ModalResponseStop);
}

void Application::endSheet(const std::shared_ptr<Window>& sheet, ModalResponse returnCode) {
    if (!sheet)
        return;
    if (const auto host = sheet->sheetHost_.lock())
        host->endSheet(sheet, returnCode);
}

void Application::orderFront(const std::shared_ptr<Window>& window) {
    std::erase_if(windows_, [&](const auto& weak) {
        const auto live = weak.lock();
        return !live || live == window;
    });
    windows_.insert(windows_.begin(), window);
}

void Application::makeKeyWindow(const std::shared_ptr<Window>& window) {
    const auto previous = keyWindow();
    if (previous == window)
        return;
    keyWindowHeld_ = window;
    if (previous)
        previous->setKey(false);
    if (window)
        window->setKey(true);
    keyWindow_.changed();
}

void Application::windowOrderedOut(Window& window) {
    if (keyWindow().get() == &window)
        makeKeyWindow(nextKeyWindowAfter(window));
}

std::shared_ptr<Window> Application::nextKeyWindowAfter(Window& window) const {
    std::shared_ptr<Window> next = window.sheetHost_.lock();
    if (!next || !next->isVisible()) {
        next.reset();
        for (const auto& candidate : windows())
            if (candidate.get() != &window && candidate->isVisible() && !candidate->sheetParent()) {
                next = candidate;
                break;
            }
    }
    if (next && next->attachedSheet())
        return next->attachedSheet();
    return next;
}

void Application::windowClosed(Window& window) {
    std::erase_if(windows_, [&](const auto& weak) {
        const auto live = weak.lock();
        return !live || live.get() == &window;
    });
    terminateLaterWhenNoWindowIsLeft();
}

void Application::runModalForAlert(Alert& alert) {
    if (!modalRunner_)
        programmingError("an application-modal alert was run with no modal runner installed: " +
                         toUtf8Lossy(alert.messageText()));
    const auto runner = modalRunner_;
    ++modalSessions_;
    modal_.change(true);
    runner->runModalForAlert(alert);
    modalSessionEnded();
}

void Application::runModalForPanel(SavePanel& panel) {
    const auto runner = std::dynamic_pointer_cast<ModalPanelRunner>(modalRunner_);
    if (!runner)
        programmingError("a modal panel was run with no modal runner that shows panels installed");
    ++modalSessions_;
    modal_.change(true);
    runner->runModalForPanel(panel);
    modalSessionEnded();
}

void Application::modalSessionEnded() {
    --modalSessions_;
    if (modalSessions_ == 0)
        modal_.change(false);
    terminateLaterWhenNoWindowIsLeft();
}

void Application::terminateLaterWhenNoWindowIsLeft() {
    if (!terminatesAfterLastWindowClosed_)
        return;
    const std::weak_ptr<Application> weakSelf =
        std::static_pointer_cast<Application>(shared_from_this());
    OperationQueue::mainQueue().addOperationWithBlock([weakSelf] {
        const auto application = weakSelf.lock();
        if (application && application->isRunning() && application->modalSessions_ == 0 &&
            application->windows().empty())
            application->terminate(nullptr);
    });
}

} // namespace platform
