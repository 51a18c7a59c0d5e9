#include "app/shell/MyPrefToolbarDelegate.h"

#include "platform/ui/ToolbarItem.h"

#include <array>

using platform::String;

namespace {

struct Pane {
    const char16_t* identifier;
    const char16_t* label;
    const char16_t* imageName;
    std::int32_t contentHeight;
};

constexpr std::array<Pane, 4> panes = {{
    {u"0", u"General", u"generalPref", 230},
    {u"1", u"Edit", u"textEditing", 315},
    {u"2", u"Advanced", u"advanced", 160},
    {u"3", u"Update", u"softwareUpdate", 150},
}};

} // namespace

std::vector<platform::Number> MyPrefToolbarDelegate::heightArray() {
    std::vector<platform::Number> heights;
    heights.reserve(panes.size());
    for (const auto& pane : panes)
        heights.push_back(platform::Number::int32(pane.contentHeight));
    return heights;
}

std::vector<String> MyPrefToolbarDelegate::returnAllkeys() {
    std::vector<String> identifiers;
    identifiers.reserve(panes.size());
    for (const auto& pane : panes)
        identifiers.emplace_back(pane.identifier);
    return identifiers;
}

std::shared_ptr<platform::ToolbarItem>
MyPrefToolbarDelegate::toolbar(platform::Toolbar&, const String& itemIdentifier, bool) {
    for (std::size_t index = 0; index < panes.size(); ++index) {
        const Pane& pane = panes[index];
        if (itemIdentifier != pane.identifier)
            continue;
        auto item = std::make_shared<platform::ToolbarItem>(itemIdentifier);
        item->setLabel(pane.label);
        item->setPaletteLabel(pane.label);
        item->setToolTip(pane.label);
        item->setImageName(pane.imageName);
        item->setTag(static_cast<std::int64_t>(index));
        item->setTarget(std::static_pointer_cast<platform::Responder>(shared_from_this()));
        item->setAction(u"PanelAction:");
        return item;
    }
    return nullptr;
}
