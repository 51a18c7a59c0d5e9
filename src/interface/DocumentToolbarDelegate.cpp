#include "interface/DocumentToolbarDelegate.h"

#include "platform/ui/ToolbarItem.h"

#include <array>

using platform::String;

namespace {

struct ItemDescription {
    const char16_t* identifier;
    const char16_t* label;
    const char16_t* toolTip;
    const char16_t* action;
};

constexpr std::array<ItemDescription, 5> items = {{
    {u"Lock", u"Lock", u"Lock the document", u"lockDocument:"},
    {u"Password", u"Password", u"Change the master password", u"documentPassword:"},
    {u"Note", u"Note", u"Edit the public note", u"editPublicNote:"},
    {u"Print", u"Print", u"Print the document", u"printDocument:"},
    {u"Export", u"Export", u"Export the text as RTF", u"exportToRTF:"},
}};

} // namespace

std::shared_ptr<platform::ToolbarItem>
DocumentToolbarDelegate::toolbar(platform::Toolbar&, const String& itemIdentifier, bool) {
    for (const auto& description : items) {
        if (itemIdentifier != description.identifier)
            continue;
        auto item = std::make_shared<platform::ToolbarItem>(itemIdentifier);
        item->setLabel(description.label);
        item->setPaletteLabel(description.label);
        item->setToolTip(description.toolTip);
        item->setImageName(String(description.identifier) + u"Template");
        item->setAction(description.action);
        return item;
    }
    return nullptr;
}

std::vector<String> DocumentToolbarDelegate::toolbarDefaultItemIdentifiers(platform::Toolbar&) {
    std::vector<String> identifiers;
    identifiers.reserve(std::size(items));
    for (const auto& description : items)
        identifiers.emplace_back(description.identifier);
    return identifiers;
}

std::vector<String>
DocumentToolbarDelegate::toolbarAllowedItemIdentifiers(platform::Toolbar& toolbar) {
    return toolbarDefaultItemIdentifiers(toolbar);
}
