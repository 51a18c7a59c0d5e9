#include "platform/text/RTFFieldInstruction.h"

#include <algorithm>

namespace platform {
namespace {

bool isSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

void skipSpaces(std::u16string_view& text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
}

// A quoted argument takes backslash escapes; a bare one runs to the next space.
String takeArgument(std::u16string_view& text) {
    String argument;
    if (!text.empty() && text.front() == u'"') {
        text.remove_prefix(1);
        while (!text.empty() && text.front() != u'"') {
            if (text.front() == u'\\' && text.size() > 1)
                text.remove_prefix(1);
            argument.push_back(text.front());
            text.remove_prefix(1);
        }
        if (!text.empty())
            text.remove_prefix(1);
        return argument;
    }
    while (!text.empty() && !isSpace(text.front())) {
        argument.push_back(text.front());
        text.remove_prefix(1);
    }
    return argument;
}

bool startsWithHyperlink(std::u16string_view& text) {
    constexpr std::u16string_view name = u"HYPERLINK";
    if (text.size() < name.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t c = text[i];
        const char16_t upper = c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
        if (upper != name[i])
            return false;
    }
    text.remove_prefix(name.size());
    return text.empty() || isSpace(text.front());
}

} // namespace

std::optional<String> RTFFieldInstruction::hyperlink(std::u16string_view instruction) {
    skipSpaces(instruction);
    if (!startsWithHyperlink(instruction))
        return std::nullopt;
    std::optional<String> address;
    std::optional<String> bookmark;
    for (skipSpaces(instruction); !instruction.empty(); skipSpaces(instruction)) {
        if (instruction.front() != u'\\') {
            String argument = takeArgument(instruction);
            if (!address)
                address = std::move(argument);
            continue;
        }
        const char16_t option = instruction.size() > 1 ? instruction[1] : u'\0';
        instruction.remove_prefix(std::min<std::size_t>(2, instruction.size()));
        skipSpaces(instruction);
        // \l names a bookmark; \o (tooltip) and \t (target frame) take arguments too.
        if (option == u'l')
            bookmark = takeArgument(instruction);
        else if (option == u'o' || option == u't')
            (void)takeArgument(instruction);
    }
    if (address)
        return bookmark ? *address + u"#" + *bookmark : *address;
    if (bookmark)
        return u"#" + *bookmark;
    return std::nullopt;
}

String RTFFieldInstruction::hyperlinkInstruction(std::u16string_view address) {
    String instruction = u"HYPERLINK \"";
    for (const char16_t c : address) {
        if (c == u'"' || c == u'\\')
            instruction.push_back(u'\\');
        instruction.push_back(c);
    }
    instruction.push_back(u'"');
    return instruction;
}

} // namespace platform
