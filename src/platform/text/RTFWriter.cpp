#include "platform/text/RTFWriter.h"

#include "platform/text/ImageFormat.h"
#include "platform/text/RTFFieldInstruction.h"

#include <algorithm>

namespace platform {
namespace {

// A body font without a family of its own is the platform's default, Helvetica 12.
const String& defaultFamily() {
    static const String family = u"Helvetica";
    return family;
}

constexpr std::int64_t twipsPerPixel = 20; // a pixel is a point, as for the platform's images
constexpr std::int64_t fileIconTwips = 640;

std::uint32_t colorKey(const Color& color) {
    return static_cast<std::uint32_t>(color.red) << 16 |
           static_cast<std::uint32_t>(color.green) << 8 | color.blue;
}

template <typename T>
bool sameValue(const std::shared_ptr<const T>& left, const std::shared_ptr<const T>& right) {
    return left == right || (left && right && *left == *right);
}

std::size_t expectedSize(const AttributedString& text, Range range) {
    return range.length + range.length / 16 + text.runCount() * 48 + 512;
}

const char* alignmentWord(TextAlignment alignment) {
    switch (alignment) {
    case TextAlignment::Center:
        return "qc";
    case TextAlignment::Right:
        return "qr";
    case TextAlignment::Justified:
        return "qj";
    case TextAlignment::Left:
        break;
    }
    return "ql";
}

} // namespace

Data RTFWriter::write(const AttributedString& text) {
    return write(text, {0, text.length()});
}

Data RTFWriter::write(const AttributedString& text, Range range) {
    return RTFWriter(text, range, nullptr).run();
}

Data RTFWriter::write(const AttributedString& text, Range range,
                      const AttachmentNamer& fileNameFor) {
    return RTFWriter(text, range, &fileNameFor).run();
}

RTFWriter::RTFWriter(const AttributedString& text, Range range, const AttachmentNamer* fileNameFor)
    : text_(text), range_(range), fileNameFor_(fileNameFor), out_(0) {
    range_.location = std::min(range.location, text.length());
    range_.length = std::min(range.length, text.length() - range_.location);
    out_ = RTFOutput(expectedSize(text, range_));
}

Data RTFWriter::run() {
    collectTables();
    header();
    for (std::size_t run = text_.runIndexAt(range_.location);
         run < text_.runCount() && text_.runRange(run).location < range_.end(); ++run)
        writeRun(run);
    link(nullptr);
    out_.raw("}");
    return out_.take();
}

void RTFWriter::collectTables() {
    const auto addFont = [this](const String& family) {
        if (fontNumbers_.emplace(family, static_cast<std::int64_t>(fonts_.size())).second)
            fonts_.push_back(family);
    };
    const auto addColor = [this](const std::optional<Color>& color) {
        // Entry 0 is the automatic colour.
        if (color && colorNumbers_.emplace(colorKey(*color), colors_.size() + 1).second)
            colors_.push_back(*color);
    };
    addFont(defaultFamily());
    for (std::size_t run = text_.runIndexAt(range_.location);
         run < text_.runCount() && text_.runRange(run).location < range_.end(); ++run) {
        const TextAttributes& attributes = *text_.runAttributes(run);
        if (attributes.font)
            addFont(attributes.font->family());
        addColor(attributes.foregroundColor);
        addColor(attributes.backgroundColor);
    }
}

void RTFWriter::header() {
    out_.raw("{");
    out_.word("rtf", 1);
    out_.word("ansi");
    out_.word("ansicpg", 1252);
    out_.word("deff", 0);
    out_.word("uc", 1);
    out_.raw("\n{");
    out_.word("fonttbl");
    for (std::size_t number = 0; number < fonts_.size(); ++number) {
        out_.raw("{");
        out_.word("f", static_cast<std::int64_t>(number));
        out_.word("fnil");
        out_.word("fcharset", 0);
        out_.literal(fonts_[number]);
        out_.raw(";}");
    }
    out_.raw("}\n");
    if (!colors_.empty()) {
        out_.raw("{");
        out_.word("colortbl");
        out_.raw(";");
        for (const Color& color : colors_) {
            out_.word("red", color.red);
            out_.word("green", color.green);
            out_.word("blue", color.blue);
            out_.raw(";");
        }
        out_.raw("}\n");
    }
}

void RTFWriter::writeRun(std::size_t run) {
    const TextAttributes& attributes = *text_.runAttributes(run);
    const Range whole = text_.runRange(run);
    const std::size_t start = std::max(whole.location, range_.location);
    const Range part{start, std::min(whole.end(), range_.end()) - start};
    link(attributes.link);
    paragraph(attributes.paragraphStyle);
    character(attributes);
    characters(part, attributes);
}

// A link is a field whose group holds the linked runs; the group's end restores the
// formatting in effect before it.
void RTFWriter::link(const std::shared_ptr<const String>& target) {
    if (sameValue(openLink_, target))
        return;
    if (openLink_) {
        out_.raw("}}");
        written_ = beforeLink_;
    }
    openLink_ = target;
    if (!target)
        return;
    beforeLink_ = written_;
    out_.raw("{");
    out_.word("field");
    out_.raw("{\\*");
    out_.word("fldinst");
    out_.raw("{");
    out_.literal(RTFFieldInstruction::hyperlinkInstruction(*target));
    out_.raw("}}{");
    out_.word("fldrslt");
}

void RTFWriter::paragraph(const std::shared_ptr<const ParagraphStyle>& style) {
    if (sameValue(written_.paragraph, style))
        return;
    written_.paragraph = style;
    out_.word("pard");
    if (!style)
        return;
    // The alignment is always written: it marks a paragraph style that is all defaults.
    out_.word(alignmentWord(style->alignment));
    const std::pair<const char*, std::int32_t> lengths[] = {
        {"fi", style->firstLineIndent}, {"li", style->leftIndent},   {"ri", style->rightIndent},
        {"sb", style->spacingBefore},   {"sa", style->spacingAfter},
    };
    for (const auto& [name, value] : lengths)
        if (value != 0)
            out_.word(name, value);
    if (style->lineSpacing != 0 || style->lineSpacingIsMultiple) {
        out_.word("sl", style->lineSpacing);
        out_.word("slmult", style->lineSpacingIsMultiple ? 1 : 0);
    }
    for (const std::int32_t tab : style->tabStops)
        out_.word("tx", tab);
}

void RTFWriter::character(const TextAttributes& attributes) {
    const CharacterFormat format{attributes.font, attributes.underline, attributes.strikethrough,
                                 attributes.foregroundColor, attributes.backgroundColor};
    if (format == written_.character)
        return;
    written_.character = format;
    out_.word("plain");
    if (format.font) {
        out_.word("f", fontNumber(format.font->family()));
        out_.word("fs", format.font->halfPoints());
        if (format.font->isBold())
            out_.word("b");
        if (format.font->isItalic())
            out_.word("i");
    }
    if (format.underline)
        out_.word("ul");
    if (format.strikethrough)
        out_.word("strike");
    if (format.foreground)
        out_.word("cf", colorNumber(format.foreground));
    if (format.background)
        out_.word("cb", colorNumber(format.background));
}

void RTFWriter::characters(Range range, const TextAttributes& attributes) {
    const GapBuffer::Pieces pieces = text_.characters(range);
    for (const std::u16string_view piece : {pieces.first, pieces.second}) {
        if (!attributes.attachment) {
            out_.text(piece);
            continue;
        }
        // Each U+FFFC of an attachment run is the attachment; other characters are text.
        std::size_t from = 0;
        for (std::size_t at = piece.find(u'\uFFFC'); at != std::u16string_view::npos;
             at = piece.find(u'\uFFFC', from)) {
            out_.text(piece.substr(from, at - from));
            attachment(attributes.attachment);
            from = at + 1;
        }
        out_.text(piece.substr(from));
    }
}

void RTFWriter::attachment(const std::shared_ptr<const TextAttachment>& attachment) {
    if (fileNameFor_ && *fileNameFor_)
        referencedAttachment(attachment);
    else
        embeddedAttachment(*attachment);
}

void RTFWriter::embeddedAttachment(const TextAttachment& attachment) {
    const std::string_view bytes = bytesOf(attachment.contents());
    const auto format = attachment.imageFormat();
    out_.raw("{");
    if (format) {
        out_.word("pict");
        out_.raw("{\\*");
    } else {
        out_.raw("\\*");
        out_.word("sealscribeattachment");
        out_.raw("{\\*");
    }
    out_.word("sealscribefilename");
    out_.literal(attachment.fileName());
    out_.raw("}");
    if (format) {
        const PixelSize size = imagePixelSize(bytes).value_or(PixelSize{});
        out_.word(*format == ImageFormat::PNG ? "pngblip" : "jpegblip");
        out_.word("picw", size.width);
        out_.word("pich", size.height);
        out_.word("picwgoal", size.width * twipsPerPixel);
        out_.word("pichgoal", size.height * twipsPerPixel);
    }
    out_.raw("\n");
    out_.hex(bytes);
    out_.raw("}");
}

void RTFWriter::referencedAttachment(const std::shared_ptr<const TextAttachment>& attachment) {
    const auto size = imagePixelSize(bytesOf(attachment->contents()));
    out_.raw("{{");
    out_.word("NeXTGraphic");
    out_.literal((*fileNameFor_)(attachment));
    out_.raw(" ");
    out_.word("width", size ? size->width * twipsPerPixel : fileIconTwips);
    out_.raw(" ");
    out_.word("height", size ? size->height * twipsPerPixel : fileIconTwips);
    out_.raw(" ");
    out_.word("appleattachmentpadding", 0);
    out_.raw(" ");
    out_.word("appleembedtype", 0);
    out_.raw(" ");
    out_.word("appleaqc");
    out_.raw("\n}\\'ac}");
}

std::int64_t RTFWriter::fontNumber(const String& family) const {
    return fontNumbers_.at(family);
}

std::int64_t RTFWriter::colorNumber(const std::optional<Color>& color) const {
    return colorNumbers_.at(colorKey(*color));
}

} // namespace platform
