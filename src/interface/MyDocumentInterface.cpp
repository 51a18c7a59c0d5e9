#include "interface/MyDocumentInterface.h"

#include "app/utilities/LWNegateIntToBool.h"
#include "document/PublicNoteDelegate.h"
#include "interface/DocumentToolbarDelegate.h"
#include "platform/ui/Button.h"
#include "platform/ui/Document.h"
#include "platform/ui/LoadedInterface.h"
#include "platform/ui/Panel.h"
#include "platform/ui/ProgressIndicator.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SecureTextField.h"
#include "platform/ui/TextView.h"
#include "platform/ui/TextViewBinding.h"
#include "platform/ui/Toolbar.h"

#include <utility>
#include <vector>

using platform::LoadedInterface;
using platform::Rect;
using platform::String;
using platform::View;

namespace {

constexpr double margin = 20;
constexpr double rowHeight = 22;
constexpr double fieldWidth = 240;
constexpr double buttonWidth = 90;

std::shared_ptr<View> column(const Rect& frame, double spacing) {
    auto view = std::make_shared<View>(frame);
    view->setLayoutHints({platform::LayoutDirection::Column, spacing, {}, {}});
    return view;
}

std::shared_ptr<View> row(double spacing) {
    auto view = std::make_shared<View>(Rect(0, 0, 0, rowHeight));
    view->setLayoutHints({platform::LayoutDirection::Row, spacing, {}, rowHeight});
    return view;
}

template <typename V> std::shared_ptr<V> fixed(std::shared_ptr<V> view, double width) {
    view->setFrame(Rect(0, 0, width, rowHeight));
    view->setLayoutHints({platform::LayoutDirection::None, 0, width, rowHeight});
    return view;
}

// A secure field that hands every keystroke to the owner's key.
std::shared_ptr<platform::SecureTextField> passwordField(LoadedInterface& interface,
                                                         const String& key) {
    auto field = fixed(std::make_shared<platform::SecureTextField>(), fieldWidth);
    platform::BindingOptions options;
    options.continuouslyUpdatesValue = true;
    interface.bind(field, u"value", interface.owner(), key, options);
    return field;
}

std::shared_ptr<View> labelledRow(const String& label, const std::shared_ptr<View>& field) {
    auto line = row(8);
    line->addSubview(fixed(platform::TextField::labelWithString(label), 140));
    line->addSubview(field);
    return line;
}

// Return presses a sheet's default button, Escape its cancel button.
constexpr const char16_t* defaultKey = u"\r";
constexpr const char16_t* cancelKey = u"\x1b";

std::shared_ptr<platform::Button> button(LoadedInterface& interface, const String& title,
                                         const String& action, const String& keyEquivalent,
                                         std::int64_t tag = 0) {
    auto made = fixed(std::make_shared<platform::Button>(), buttonWidth);
    made->setTitle(title);
    made->setTag(tag);
    made->setKeyEquivalent(keyEquivalent);
    interface.connectAction(made, action, interface.ownerResponder());
    return made;
}

std::shared_ptr<platform::Panel>
sheet(LoadedInterface& interface, const String& outlet, const String& title,
      const std::vector<std::pair<String, String>>& fields,
      const std::vector<std::shared_ptr<platform::Button>>& buttons) {
    // The message may take two lines.
    const double messageHeight = 2 * rowHeight;
    const double height =
        margin * 2 + messageHeight + 12 + (rowHeight + 12) * static_cast<double>(fields.size() + 1);
    constexpr double width = 440;
    constexpr double innerWidth = width - 2 * margin;
    auto panel = interface.addTopLevelObject(std::make_shared<platform::Panel>(
        Rect(0, 0, width, height + platform::Window::titleBarHeight)));
    auto lines = column(Rect(margin, margin, innerWidth, height - 2 * margin), 12);
    auto message = platform::TextField::wrappingLabelWithString(title);
    message->setFrame(Rect(0, 0, innerWidth, messageHeight));
    message->setLayoutHints({platform::LayoutDirection::None, 0, innerWidth, messageHeight});
    lines->addSubview(message);
    for (const auto& [label, key] : fields)
        lines->addSubview(labelledRow(label, passwordField(interface, key)));
    auto buttonRow = row(12);
    for (auto& made : buttons)
        buttonRow->addSubview(made);
    lines->addSubview(buttonRow);
    // Within the sheet's margins.
    auto content = std::make_shared<View>(Rect(0, 0, width, height));
    content->addSubview(lines);
    panel->setContentView(content);
    interface.connectOutlet(outlet, panel);
    return panel;
}

} // namespace

void MyDocumentInterface::registerIn(platform::InterfaceRegistry& registry) {
    registry.registerInterface(name, build);
}

void MyDocumentInterface::build(LoadedInterface& interface) {
    const auto window = buildWindow(interface);
    addToolbar(interface, window);
    auto content = column(Rect(0, 0, defaultWidth, defaultHeight), 0);
    content->addSubview(buildLockedPane(interface));
    content->addSubview(buildBody(interface, *window));
    window->setContentView(content);
    buildMandatorySheet(interface);
    buildChangeSheet(interface);
    buildInsertSheet(interface);
    buildPublicNoteSheet(interface);
}

std::shared_ptr<platform::Window> MyDocumentInterface::buildWindow(LoadedInterface& interface) {
    auto window = interface.addTopLevelObject(std::make_shared<platform::Window>(
        Rect(200, 150, defaultWidth, defaultHeight + platform::Window::titleBarHeight)));
    window->setMinSize({lockedWidth, lockedHeight});
    interface.connectOutlet(u"window", window);
    interface.connectOutlet(u"myWindow", window);
    return window;
}

void MyDocumentInterface::addToolbar(LoadedInterface& interface,
                                     const std::shared_ptr<platform::Window>& window) {
    const auto delegate = interface.addTopLevelObject(std::make_shared<DocumentToolbarDelegate>());
    auto toolbar =
        interface.addTopLevelObject(std::make_shared<platform::Toolbar>(toolbarIdentifier));
    toolbar->setDelegate(delegate);
    toolbar->setAutosavesConfiguration(true);
    toolbar->setAllowsUserCustomization(true);
    window->setToolbar(toolbar);
    interface.connectOutlet(u"modernToolbar", toolbar);
}

// Shown while the document is unlocked.
std::shared_ptr<View> MyDocumentInterface::buildBody(LoadedInterface& interface,
                                                     platform::Window& window) {
    auto scrollView =
        std::make_shared<platform::ScrollView>(Rect(0, 0, defaultWidth, defaultHeight));
    auto textView = std::make_shared<platform::TextView>(Rect(0, 0, defaultWidth, defaultHeight));
    scrollView->setDocumentView(textView);
    const auto owner = interface.owner();
    interface.keepBinding(
        platform::TextViewBinding::bind(textView, u"data", owner, u"myTextViewData"));
    interface.keepBinding(
        platform::TextViewBinding::bind(textView, u"editable", owner, u"myIsEditable"));
    interface.bind(scrollView, u"hidden", owner, u"isEncrypted");
    interface.connectOutlet(u"myTextView", textView);
    // While locked the body is hidden and the password field takes the focus instead.
    window.setInitialFirstResponder(textView);
    interface.connectOutlet(u"myScrollView", scrollView);
    return scrollView;
}

// Shown while the document is locked; it fits in the locked size.
std::shared_ptr<View> MyDocumentInterface::buildLockedPane(LoadedInterface& interface) {
    // Placed from the top at their own frames: a column would spread them over the pane.
    auto pane = std::make_shared<View>(Rect(0, 0, lockedWidth, lockedHeight));
    const auto rowFromTop = [](double top) { return lockedHeight - top - rowHeight; };
    auto label =
        platform::TextField::labelWithString(u"This document is locked. Type its master password:");
    label->setFrame(Rect(margin, rowFromTop(2 * margin), lockedWidth - 2 * margin, rowHeight));
    pane->addSubview(label);
    auto field = passwordField(interface, u"plainPasswordInserted");
    field->setFrame(Rect(margin, rowFromTop(2 * margin + rowHeight + 12), fieldWidth, rowHeight));
    interface.connectAction(field, u"submitPasswordToDecrypt:", interface.ownerResponder());
    pane->addSubview(field);
    auto progress = std::make_shared<platform::ProgressIndicator>();
    progress->setFrame(Rect(margin + fieldWidth + 12, field->frame().minY(), rowHeight, rowHeight));
    progress->setHidden(true);
    pane->addSubview(progress);
    platform::BindingOptions negated;
    negated.valueTransformer = std::make_shared<LWNegateIntToBool>();
    interface.bind(pane, u"hidden", interface.owner(), u"isEncrypted", negated);
    interface.connectOutlet(u"passwordToDecryptField", field);
    interface.connectOutlet(u"decryptProgressIndicator", progress);
    return pane;
}

void MyDocumentInterface::buildMandatorySheet(LoadedInterface& interface) {
    sheet(interface, u"mandatoryPasswordSheet",
          u"Protect this document with a master password of at least six characters.",
          {{u"Master Password", u"plainPasswordInserted"},
           {u"Retype Password", u"plainPasswordInsertedRetype"}},
          {button(interface, u"OK", u"confirmMandatoryPasswordSheet:", defaultKey, confirmTag),
           button(interface, u"Cancel", u"confirmMandatoryPasswordSheet:", cancelKey, refuseTag)});
}

void MyDocumentInterface::buildChangeSheet(LoadedInterface& interface) {
    sheet(interface, u"changePasswordSheet", u"Change the master password of this document.",
          {{u"Old Master Password", u"plainPasswordPrevious"},
           {u"New Password", u"plainPasswordInserted"},
           {u"Retype New Password", u"plainPasswordInsertedRetype"}},
          {button(interface, u"Change", u"confirmChangePasswordSheet:", defaultKey),
           button(interface, u"Cancel", u"cancelChangePasswordSheet:", cancelKey)});
}

void MyDocumentInterface::buildInsertSheet(LoadedInterface& interface) {
    sheet(interface, u"insertPasswordSheet", u"Give this document a master password.",
          {{u"New Password", u"plainPasswordInserted"},
           {u"Retype New Password", u"plainPasswordInsertedRetype"}},
          {button(interface, u"OK", u"confirmInsertPasswordSheet:", defaultKey),
           button(interface, u"Cancel", u"cancelInsertPasswordSheet:", cancelKey)});
}

// The note is plain text, kept unencrypted; its delegate marks the document changed.
void MyDocumentInterface::buildPublicNoteSheet(LoadedInterface& interface) {
    constexpr double width = 460;
    constexpr double height = 300;
    constexpr double innerWidth = width - 2 * margin;
    constexpr double noteHeight = height - 2 * margin - 2 * (rowHeight + 12);
    auto panel = interface.addTopLevelObject(std::make_shared<platform::Panel>(
        Rect(0, 0, width, height + platform::Window::titleBarHeight)));
    auto lines = column(Rect(margin, margin, innerWidth, height - 2 * margin), 12);
    lines->addSubview(
        fixed(platform::TextField::labelWithString(u"Public note, readable without the password:"),
              innerWidth));

    auto scrollView = std::make_shared<platform::ScrollView>(Rect(0, 0, innerWidth, noteHeight));
    scrollView->setLayoutHints({platform::LayoutDirection::None, 0, innerWidth, noteHeight});
    auto note = std::make_shared<platform::TextView>(Rect(0, 0, innerWidth, noteHeight));
    note->setRichText(false);
    scrollView->setDocumentView(note);
    interface.keepBinding(
        platform::TextViewBinding::bind(note, u"value", interface.owner(), u"myPublicTextData"));
    auto delegate = interface.addTopLevelObject(std::make_shared<PublicNoteDelegate>());
    delegate->setDoc(std::dynamic_pointer_cast<platform::Document>(interface.owner()));
    note->setDelegate(delegate);
    lines->addSubview(scrollView);

    auto buttonRow = row(12);
    buttonRow->addSubview(button(interface, u"Close", u"closePublicNoteSheet:", cancelKey));
    lines->addSubview(buttonRow);
    auto content = std::make_shared<View>(Rect(0, 0, width, height));
    content->addSubview(lines);
    panel->setContentView(content);
    panel->setInitialFirstResponder(note);
    interface.connectOutlet(u"myPublicTextSheet", panel);
    interface.connectOutlet(u"myPublicNoteView", note);
}
