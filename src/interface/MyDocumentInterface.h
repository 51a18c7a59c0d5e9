#pragma once

#include "platform/ui/InterfaceRegistry.h"

#include <memory>

namespace platform {
class LoadedInterface;
class View;
class Window;
} // namespace platform

// The interface description "MyDocument": the document window, its three password
// sheets and the public note's sheet, connected to their owner (the document) by outlets, actions
// and bindings.
//
// The window shows the body's text view while the document is unlocked and the password
// field while it is locked: both follow "isEncrypted". Its minimum size is the locked
// size. The sheets' fields deliver every keystroke to the owner's password properties.
class MyDocumentInterface {
public:
    static constexpr const char16_t* name = u"MyDocument";
    static constexpr const char16_t* toolbarIdentifier = u"MyDocumentToolbar";
    static constexpr double defaultWidth = 700;
    static constexpr double defaultHeight = 600;
    static constexpr double lockedWidth = 480;
    static constexpr double lockedHeight = 270;
    // The tags of the mandatory sheet's buttons: only the first confirms.
    static constexpr std::int64_t confirmTag = 1000;
    static constexpr std::int64_t refuseTag = 1001;

    static void registerIn(platform::InterfaceRegistry& registry);
    static void build(platform::LoadedInterface& interface);

private:
    static std::shared_ptr<platform::Window> buildWindow(platform::LoadedInterface& interface);
    static void addToolbar(platform::LoadedInterface& interface,
                           const std::shared_ptr<platform::Window>& window);
    static std::shared_ptr<platform::View> buildBody(platform::LoadedInterface& interface,
                                                     platform::Window& window);
    static std::shared_ptr<platform::View> buildLockedPane(platform::LoadedInterface& interface);
    static void buildMandatorySheet(platform::LoadedInterface& interface);
    static void buildChangeSheet(platform::LoadedInterface& interface);
    static void buildInsertSheet(platform::LoadedInterface& interface);
    static void buildPublicNoteSheet(platform::LoadedInterface& interface);
};
