#include "interface/FontTraitCommands.h"

#include "platform/ui/Application.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/Text.h"
#include "platform/ui/UserInterfaceItem.h"
#include "platform/ui/Window.h"

FontTraitCommands::FontTraitCommands(std::weak_ptr<platform::Application> application)
    : application_(std::move(application)) {
    exposeAction(u"addFontTrait:", [this](const Sender& sender) { addFontTrait(sender); });
    exposeAction(u"underline:", [this](const Sender& sender) { underline(sender); });
}

std::optional<bool> FontTraitCommands::validateMenuItem(platform::MenuItem&) {
    return focusedText() != nullptr;
}

std::shared_ptr<platform::Text> FontTraitCommands::focusedText() const {
    const auto application = application_.lock();
    const auto window = application ? application->keyWindow() : nullptr;
    auto text =
        window ? std::dynamic_pointer_cast<platform::Text>(window->firstResponder()) : nullptr;
    if (!text || !text->isEditable() || !text->isRichText())
        return nullptr;
    return text;
}

void FontTraitCommands::addFontTrait(const Sender& sender) {
    const auto text = focusedText();
    if (!text)
        return;
    const std::int64_t trait = platform::UserInterfaceItem::tagOf(sender);
    if (trait == boldTrait)
        text->userToggleBold();
    else if (trait == italicTrait)
        text->userToggleItalic();
}

void FontTraitCommands::underline(const Sender&) {
    if (const auto text = focusedText())
        text->userToggleUnderline();
}
