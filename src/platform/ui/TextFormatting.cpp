#include "platform/ui/TextFormatting.h"

#include "platform/ui/TextStorage.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace platform {
namespace {

bool isParagraphSeparator(char16_t c) {
    return c == u'\n' || c == u'\r' || c == u'\u2029';
}

TextFormatting::Change withFont(std::function<Font(const Font&)> change) {
    return [change = std::move(change)](const TextAttributes& attributes) {
        TextAttributes changed = attributes;
        changed.font = change(TextFormatting::fontOf(attributes));
        return changed;
    };
}

TextFormatting::Change withParagraphStyle(std::function<void(ParagraphStyle&)> change) {
    return [change = std::move(change)](const TextAttributes& attributes) {
        ParagraphStyle style =
            attributes.paragraphStyle ? *attributes.paragraphStyle : ParagraphStyle();
        change(style);
        TextAttributes changed = attributes;
        changed.paragraphStyle = std::make_shared<const ParagraphStyle>(std::move(style));
        return changed;
    };
}

} // namespace

Font TextFormatting::fontOf(const TextAttributes& attributes) {
    return attributes.font.value_or(Font(u"Helvetica", 12));
}

TextFormatting::Change TextFormatting::bold(bool on) {
    return withFont([on](const Font& font) {
        return Font(font.family(), font.pointSize(), on, font.isItalic());
    });
}

TextFormatting::Change TextFormatting::italic(bool on) {
    return withFont([on](const Font& font) {
        return Font(font.family(), font.pointSize(), font.isBold(), on);
    });
}

TextFormatting::Change TextFormatting::fontFamily(const String& family) {
    return withFont([family](const Font& font) {
        return Font(family, font.pointSize(), font.isBold(), font.isItalic());
    });
}

TextFormatting::Change TextFormatting::fontSize(double pointSize) {
    return withFont([pointSize](const Font& font) {
        return Font(font.family(), pointSize, font.isBold(), font.isItalic());
    });
}

TextFormatting::Change TextFormatting::underline(bool on) {
    return [on](const TextAttributes& attributes) {
        TextAttributes changed = attributes;
        changed.underline = on;
        return changed;
    };
}

TextFormatting::Change TextFormatting::foregroundColor(Color color) {
    return [color](const TextAttributes& attributes) {
        TextAttributes changed = attributes;
        changed.foregroundColor = color;
        return changed;
    };
}

TextFormatting::Change TextFormatting::alignment(TextAlignment alignment) {
    return [alignment](const TextAttributes& attributes) {
        ParagraphStyle style =
            attributes.paragraphStyle ? *attributes.paragraphStyle : ParagraphStyle();
        style.alignment = alignment;
        TextAttributes changed = attributes;
        changed.paragraphStyle = std::make_shared<const ParagraphStyle>(std::move(style));
        return changed;
    };
}

TextFormatting::Change TextFormatting::firstLineIndent(std::int32_t indent) {
    return withParagraphStyle([indent](ParagraphStyle& style) { style.firstLineIndent = indent; });
}

TextFormatting::Change TextFormatting::leftIndent(std::int32_t indent) {
    return withParagraphStyle([indent](ParagraphStyle& style) { style.leftIndent = indent; });
}

TextFormatting::Change TextFormatting::rightIndent(std::int32_t indent) {
    return withParagraphStyle([indent](ParagraphStyle& style) { style.rightIndent = indent; });
}

TextFormatting::Change TextFormatting::tabStops(std::vector<std::int32_t> positions) {
    return withParagraphStyle(
        [positions = std::move(positions)](ParagraphStyle& style) { style.tabStops = positions; });
}

Range TextFormatting::paragraphRange(const AttributedString& text, Range range) {
    const std::size_t length = text.length();
    std::size_t start = std::min(range.location, length);
    const std::size_t last = range.length > 0 ? std::min(range.end(), length) - 1 : start;
    while (start > 0 && !isParagraphSeparator(text.characterAt(start - 1)))
        --start;
    std::size_t end = std::max(last, start);
    while (end < length && !isParagraphSeparator(text.characterAt(end)))
        ++end;
    if (end < length)
        ++end;
    return {start, end - start};
}

void TextFormatting::apply(TextStorage& storage, Range range, const Change& change) {
    const AttributedString& text = storage.attributedString();
    const std::size_t end = std::min(range.end(), text.length());
    // Computed first: each change merges runs and so moves the run boundaries.
    std::vector<std::pair<Range, TextAttributes>> pieces;
    for (std::size_t index = range.location; index < end;) {
        Range run;
        const TextAttributes& attributes = text.attributesAt(index, run);
        const Range piece{index, std::min(run.end(), end) - index};
        pieces.emplace_back(piece, change(attributes));
        index = piece.end();
    }
    for (const auto& [piece, attributes] : pieces)
        storage.setAttributes(attributes, piece);
}

} // namespace platform
