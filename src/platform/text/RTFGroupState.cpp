#include "platform/text/RTFGroupState.h"

#include <algorithm>
#include <limits>

namespace platform {
namespace {

using K = RTFKeyword;

constexpr std::int32_t maxHalfPoints = 32767;

std::int32_t toInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

bool RTFGroupState::applyCharacterFormatting(RTFKeyword word,
                                             std::optional<std::int64_t> parameter) {
    const bool on = !parameter || *parameter != 0;
    const std::int64_t index = std::max<std::int64_t>(parameter.value_or(0), 0);
    switch (word) {
    case K::Plain:
        fontSet = bold = italic = underline = strikethrough = false;
        fontNumber = -1;
        halfPoints = -1;
        foreground = background = 0;
        break;
    case K::Bold:
        fontSet = true;
        bold = on;
        break;
    case K::Italic:
        fontSet = true;
        italic = on;
        break;
    case K::Underline:
        underline = on;
        break;
    case K::UnderlineNone:
        underline = false;
        break;
    case K::Strikethrough:
        strikethrough = on;
        break;
    case K::Font:
        if (!parameter)
            return true;
        fontSet = true;
        fontNumber = *parameter;
        break;
    case K::FontSize:
        if (!parameter || *parameter < 0)
            return true;
        fontSet = true;
        halfPoints = static_cast<std::int32_t>(std::min<std::int64_t>(*parameter, maxHalfPoints));
        break;
    case K::ForegroundColor:
        foreground = index;
        break;
    case K::BackgroundColor:
        background = index;
        break;
    default:
        return false;
    }
    attributes.reset();
    return true;
}

bool RTFGroupState::applyParagraphFormatting(RTFKeyword word, std::int64_t parameter) {
    if (word == K::ParagraphDefault) {
        paragraph.reset();
        attributes.reset();
        return true;
    }
    const std::int32_t length = toInt32(parameter);
    switch (word) {
    case K::AlignLeft:
        return changeParagraph([](ParagraphStyle& p) { p.alignment = TextAlignment::Left; });
    case K::AlignCenter:
        return changeParagraph([](ParagraphStyle& p) { p.alignment = TextAlignment::Center; });
    case K::AlignRight:
        return changeParagraph([](ParagraphStyle& p) { p.alignment = TextAlignment::Right; });
    case K::AlignJustified:
        return changeParagraph([](ParagraphStyle& p) { p.alignment = TextAlignment::Justified; });
    case K::FirstLineIndent:
        return changeParagraph([length](ParagraphStyle& p) { p.firstLineIndent = length; });
    case K::LeftIndent:
        return changeParagraph([length](ParagraphStyle& p) { p.leftIndent = length; });
    case K::RightIndent:
        return changeParagraph([length](ParagraphStyle& p) { p.rightIndent = length; });
    case K::SpaceBefore:
        return changeParagraph([length](ParagraphStyle& p) { p.spacingBefore = length; });
    case K::SpaceAfter:
        return changeParagraph([length](ParagraphStyle& p) { p.spacingAfter = length; });
    case K::LineSpacing:
        return changeParagraph([length](ParagraphStyle& p) { p.lineSpacing = length; });
    case K::LineSpacingMultiple:
        return changeParagraph(
            [length](ParagraphStyle& p) { p.lineSpacingIsMultiple = length != 0; });
    case K::TabStop:
        return changeParagraph([length](ParagraphStyle& p) {
            if (p.tabStops.size() < ParagraphStyle::maxTabStops)
                p.tabStops.push_back(length);
        });
    default:
        return false;
    }
}

// The style may be shared with the parent group or with attributes made of it: then the
// change goes to a copy.
template <typename Change> bool RTFGroupState::changeParagraph(Change change) {
    if (!paragraph || paragraph.use_count() > 1)
        paragraph = std::make_shared<ParagraphStyle>(paragraph ? *paragraph : ParagraphStyle{});
    change(*paragraph);
    attributes.reset();
    return true;
}

} // namespace platform
