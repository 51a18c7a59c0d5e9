#pragma once

#include "platform/base/Property.h"
#include "platform/base/URL.h"
#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/OutletOwner.h"
#include "platform/ui/Responder.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace platform {
class Menu;
class Window;
} // namespace platform

// The reusable part of the application's delegate: the release string and names, the
// preferences window and its openers, the start-up document's state, the application
// menu's update item, the support links and the user guide. The editor's own part is
// MyAppDelegate.
//
// Observable by key, for the interface's bindings: "appName", "vendorName",
// "releaseString", "documentIsOpening", "StartupDocPathMessageString",
// "StartupDocSpecified".
class LWAppDelegateBase : public platform::Responder,
                          public platform::ApplicationDelegate,
                          public platform::OutletOwner {
public:
    static constexpr const char16_t* softwareUpdateTitle = u"Software Update\u2026";
    // Of the start-up timer, and again of the start-up actions that wait for a document.
    static constexpr double startupActionDelay = 1.0;

    LWAppDelegateBase();

    [[nodiscard]] platform::String appName() const { return appName_.get(); }
    [[nodiscard]] platform::String vendorName() const { return vendorName_.get(); }
    [[nodiscard]] platform::String releaseString() const { return releaseString_.get(); }
    [[nodiscard]] bool finishedLaunching() const { return finishedLaunching_; }
    [[nodiscard]] bool usingAServices() const { return usingAServices_; }
    [[nodiscard]] bool documentIsOpening() const { return documentIsOpening_.get(); }
    void setDocumentIsOpening(bool opening) { documentIsOpening_.set(opening); }
    [[nodiscard]] std::shared_ptr<platform::Window> prefWindow() const {
        return prefWindow_.lock();
    }
    [[nodiscard]] platform::String StartupDocPathMessageString() const {
        return startupDocPathMessageString_.get();
    }
    void setStartupDocPathMessageString(const platform::String& message) {
        startupDocPathMessageString_.set(message);
    }
    [[nodiscard]] bool StartupDocSpecified() const { return startupDocSpecified_.get(); }
    void setStartupDocSpecified(bool specified) { startupDocSpecified_.set(specified); }

    // The launch.
    void adjustBeforeFinishingLaunching();
    [[nodiscard]] bool
    applicationShouldOpenUntitledFile(platform::Application& application) override;
    // The start-up action of the settings ("StartupActionTag"), one second after launching.
    void executeDocumentStartupAsInPref(const Sender& sender);
    // A new document, respectively the open panel, when no document is open by then.
    void newDocIfNoDocOpened(const Sender& sender);
    void openDialogIfNoDocOpened(const Sender& sender);

    // The start-up document, kept as a bookmark in "StartupSelectedDocBookmark".
    void selectStartupDoc(const Sender& sender);
    void clearStartupSelectedDoc(const Sender& sender);
    void showInFinderStartupDoc(const Sender& sender);
    void testOpenStartupDoc(const Sender& sender);
    // The file types that the choice of the start-up document accepts.
    [[nodiscard]] virtual std::vector<platform::String> allowedStartupDocExtensions() const;

    // The application menu's and the preferences window's actions.
    void checkForLastReleaseAvailable(const Sender& sender);
    void openPreferences(const Sender& sender);
    void openPreferencesAtSenderTagTab(const Sender& sender);
    void openPreferencesAtTab(std::int32_t index);
    void orderFrontStandardAboutPanel(const Sender& sender);
    static void visitUs(const Sender& sender);
    static void visitAppUrl(const Sender& sender);
    static void twitter(const Sender& sender);
    static void emailUs(const Sender& sender);
    void openUserGuide(const Sender& sender);
    static void openAppStorePage(const Sender& sender) { (void)sender; }
    static void openAppStoreList(const Sender& sender) { (void)sender; }
    static void appendMasHelp(const Sender& sender) { (void)sender; }

    [[nodiscard]] static platform::String getUserGuideName();
    [[nodiscard]] static platform::String getAppStantment();

protected:
    bool finishedLaunching_ = false;
    bool usingAServices_ = false;

private:
    void exposeActions();
    void exposeStartupDocumentActions();
    void openStartupDocument();
    [[nodiscard]] std::optional<platform::URL> resolveStartupBookmark(bool& isStale) const;
    [[nodiscard]] std::optional<platform::URL> resolveAndRenewStartupBookmark();
    platform::URL renewStartupBookmark(const platform::URL& url);
    bool openWithAccess(const platform::URL& url);
    void rememberStartupDocument(const platform::URL& url);
    void reportMissingStartupDocument();
    void reportRefusedStartupDocument();
    void askToOpenPreferences(const platform::String& message, const platform::String& information);
    void bringPreferencesToFront(bool excludeFromWindowsMenu);

    std::shared_ptr<platform::Menu> myHelpMenu_;
    std::weak_ptr<platform::Window> prefWindow_;
    platform::Property<platform::String> appName_;
    platform::Property<platform::String> vendorName_;
    platform::Property<platform::String> releaseString_;
    platform::Property<bool> documentIsOpening_{*this, u"documentIsOpening", false,
                                                platform::KeyAccess::ReadWrite};
    platform::Property<platform::String> startupDocPathMessageString_{
        *this, u"StartupDocPathMessageString", {}, platform::KeyAccess::ReadWrite};
    platform::Property<bool> startupDocSpecified_{*this, u"StartupDocSpecified", true,
                                                  platform::KeyAccess::ReadWrite};
};
