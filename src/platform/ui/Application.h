#pragma once

#include "platform/base/ComputedProperty.h"
#include "platform/base/Property.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ModalResponse.h"
#include "platform/ui/Responder.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Window.h"
#include "platform/ui/WindowsMenuItems.h"

#include <functional>
#include <memory>
#include <vector>

namespace platform {

class Alert;
class ApplicationDelegate;
class ModalRunner;
class SavePanel;

// The application: its delegate, main menu, windows and key window, the active state,
// launching and termination, the responder chain for nil-targeted actions, and
// application-modal alerts. One is shared by the program, in its Environment; tests
// install their own.
//
// Observable: "active", "running", "keyWindow", "mainMenu". Answers the action
// "terminate:".
class Application : public Responder {
public:
    using TerminationReply = std::function<void(bool shouldTerminate)>;
    using TerminationReview = std::function<void(TerminationReply reply)>;
    using LaunchHook = std::function<void()>;

    Application();
    ~Application() override;

    // The environment's application; one is made on first use when none is installed.
    [[nodiscard]] static std::shared_ptr<Application> sharedApplication();
    // Installs an application in the environment (none: the next use makes a fresh one).
    static void setSharedApplication(const std::shared_ptr<Application>& application);

    // The program's name as its windows and dialogs show it.
    [[nodiscard]] String displayName() const { return displayName_; }
    void setDisplayName(const String& name) { displayName_ = name; }

    [[nodiscard]] std::shared_ptr<ApplicationDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<ApplicationDelegate>& delegate) { delegate_ = delegate; }

    [[nodiscard]] std::shared_ptr<Menu> mainMenu() const { return mainMenu_.get(); }
    void setMainMenu(const std::shared_ptr<Menu>& menu) { mainMenu_.set(menu); }
    [[nodiscard]] const Property<std::shared_ptr<Menu>>& mainMenuProperty() const {
        return mainMenu_;
    }
    // The menu that lists the open windows after its own items (see WindowsMenuItems),
    // brought up to date each time it is validated.
    [[nodiscard]] std::shared_ptr<Menu> windowsMenu() const { return windowsMenu_; }
    void setWindowsMenu(const std::shared_ptr<Menu>& menu) { windowsMenu_ = menu; }

    [[nodiscard]] const Screen& mainScreen() const { return mainScreen_; }
    void setMainScreen(const Screen& screen) { mainScreen_ = screen; }

    // The windows that have been ordered front and not closed, front to back.
    [[nodiscard]] std::vector<std::shared_ptr<Window>> windows() const;
    [[nodiscard]] std::shared_ptr<Window> keyWindow() const { return keyWindowHeld_.lock(); }
    [[nodiscard]] const ComputedProperty<std::shared_ptr<Window>>& keyWindowProperty() const {
        return keyWindow_;
    }

    // User entry point: the user brings the application to the front or leaves it. The
    // delegate is told of each change.
    [[nodiscard]] bool isActive() const { return active_.get(); }
    void setActive(bool active);
    [[nodiscard]] const Property<bool>& activeProperty() const { return active_; }

    // Tells the delegate that launching will finish, runs the launch hook (where the
    // document controller opens the documents of the launch or an untitled one), then
    // tells the delegate that launching did finish. The application is running from here.
    void finishLaunching();
    void setLaunchHook(LaunchHook hook) { launchHook_ = std::move(hook); }
    [[nodiscard]] bool isRunning() const { return running_.get(); }
    [[nodiscard]] const Property<bool>& runningProperty() const { return running_; }

    // Asks the termination review (the document controller reviews unsaved documents),
    // which replies, at once or later, whether to go on; then the application stops
    // running. Without a review it stops at once. A terminate during a review is ignored.
    void terminate(const Sender& sender);
    void setTerminationReview(TerminationReview review) { terminationReview_ = std::move(review); }
    // Off by default. On, the running application terminates once its last window has
    // closed, or an application-modal session has ended, with no window left and nothing
    // modal shown: checked after the event in progress, so that a window that replaces
    // another keeps it running.
    void setTerminatesAfterLastWindowClosed(bool terminates) {
        terminatesAfterLastWindowClosed_ = terminates;
    }

    // Sends an action to the target, or, without one, to the first responder of the chain
    // that answers it: the key window's first responder and its next responders up to the
    // window and beyond (the document), the window's delegate; for a sheet, the same for
    // the window it is attached to; then the application, its delegate and the final
    // responder. Answers whether a responder performed it; nobody answering does nothing.
    bool sendAction(const String& action, const std::shared_ptr<Responder>& target,
                    const Sender& sender);
    // The responder that a nil-targeted action would reach; none when nobody answers it.
    [[nodiscard]] std::shared_ptr<Responder> targetForAction(const String& action) const;

    // Asked last in the responder chain: the shared document controller. Held weakly.
    void setFinalResponder(const std::shared_ptr<Responder>& responder) {
        finalResponder_ = responder;
    }

    // Validation of a menu before it is shown (see Menu::update).
    void validateMenu(Menu& menu);

    // Ends a sheet on whichever window it is attached to (or waits).
    void endSheet(const std::shared_ptr<Window>& sheet);
    void endSheet(const std::shared_ptr<Window>& sheet, ModalResponse returnCode);

    // Runs application-modal alerts and panels; running one without a runner (for panels,
    // a ModalPanelRunner) is a programming error.
    [[nodiscard]] std::shared_ptr<ModalRunner> modalRunner() const { return modalRunner_; }
    void setModalRunner(const std::shared_ptr<ModalRunner>& runner) { modalRunner_ = runner; }
    // Whether an application-modal alert or panel is running; observable as "modal".
    [[nodiscard]] bool isRunningModal() const { return modal_.get(); }
    [[nodiscard]] const Property<bool>& modalProperty() const { return modal_; }

private:
    friend class Alert;
    friend class SavePanel;
    friend class Window;

    [[nodiscard]] std::vector<std::shared_ptr<Responder>> responderChain() const;
    void orderFront(const std::shared_ptr<Window>& window);
    void makeKeyWindow(const std::shared_ptr<Window>& window);
    void windowOrderedOut(Window& window);
    void windowClosed(Window& window);
    [[nodiscard]] std::shared_ptr<Window> nextKeyWindowAfter(Window& window) const;
    void runModalForAlert(Alert& alert);
    void runModalForPanel(SavePanel& panel);
    void modalSessionEnded();
    void terminateLaterWhenNoWindowIsLeft();
    void stopRunning();

    String displayName_;
    std::weak_ptr<ApplicationDelegate> delegate_;
    Property<std::shared_ptr<Menu>> mainMenu_{*this, u"mainMenu"};
    std::shared_ptr<Menu> windowsMenu_;
    WindowsMenuItems windowsMenuItems_;
    Screen mainScreen_;
    std::vector<std::weak_ptr<Window>> windows_; // front first
    std::weak_ptr<Window> keyWindowHeld_;
    ComputedProperty<std::shared_ptr<Window>> keyWindow_{*this, u"keyWindow",
                                                         &Application::keyWindow};
    Property<bool> active_{*this, u"active", false};
    Property<bool> running_{*this, u"running", false};
    bool terminating_ = false;
    bool terminatesAfterLastWindowClosed_ = false;
    int modalSessions_ = 0;
    Property<bool> modal_{*this, u"modal", false};
    LaunchHook launchHook_;
    TerminationReview terminationReview_;
    std::weak_ptr<Responder> finalResponder_;
    std::shared_ptr<ModalRunner> modalRunner_;
};

} // namespace platform
