#pragma once

#include "platform/ui/Responder.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace platform {
class Application;
class Text;
} // namespace platform

// The Format menu's commands: the platform's font-trait actions ("addFontTrait:" with the
// item's tag, "underline:") applied to the text that has the key window's focus. The text
// views have the entry points but answer no such action, so the menu targets this object.
class FontTraitCommands : public platform::Responder {
public:
    // The tags of "addFontTrait:", the platform's font trait masks.
    static constexpr std::int64_t italicTrait = 1;
    static constexpr std::int64_t boldTrait = 2;

    explicit FontTraitCommands(std::weak_ptr<platform::Application> application);

    [[nodiscard]] std::optional<bool> validateMenuItem(platform::MenuItem& item) override;

private:
    // None when the key window's focus is no editable rich text.
    [[nodiscard]] std::shared_ptr<platform::Text> focusedText() const;
    void addFontTrait(const Sender& sender);
    void underline(const Sender& sender);

    std::weak_ptr<platform::Application> application_;
};
