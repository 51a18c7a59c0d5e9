#pragma once

#include "platform/base/Data.h"
#include "platform/base/String.h"
#include "platform/text/AttributedString.h"
#include "platform/text/RTFOutput.h"
#include "platform/text/Range.h"

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

// Writes an attributed string as RTF that RTFReader reads back equal and that word
// processors read: \rtf1\ansi\ansicpg1252 with a font and a colour table, characters
// outside ASCII as \uN with one fallback byte (\uc1), links as HYPERLINK fields.
//
// Attachments travel inside the RTF. A PNG or JPEG image is a \pict (\pngblip, \jpegblip)
// of hexadecimal bytes; any other file is an ignorable destination of our own,
//     {\*\sealscribeattachment{\*\sealscribefilename name}hexadecimal bytes}
// that other readers skip. An image's \pict holds its file name the same way:
//     {\pict{\*\sealscribefilename name}\pngblip\picwW\pichH ... hexadecimal bytes}
// In an RTFD package, attachments are files beside the RTF instead, referenced as the
// platform's text system does: {{\NeXTGraphic name \widthW \heightH ...}\'ac}.
class RTFWriter {
public:
    // The package file name of an attachment.
    using AttachmentNamer = std::function<String(const std::shared_ptr<const TextAttachment>&)>;

    [[nodiscard]] static Data write(const AttributedString& text);
    [[nodiscard]] static Data write(const AttributedString& text, Range range);
    [[nodiscard]] static Data write(const AttributedString& text, Range range,
                                    const AttachmentNamer& fileNameFor);

private:
    // The character formatting in effect, as \plain and the words after it set it.
    struct CharacterFormat {
        std::optional<Font> font;
        bool underline = false;
        bool strikethrough = false;
        std::optional<Color> foreground;
        std::optional<Color> background;
        bool operator==(const CharacterFormat&) const = default;
    };
    struct Formats {
        CharacterFormat character;
        std::shared_ptr<const ParagraphStyle> paragraph;
    };

    RTFWriter(const AttributedString& text, Range range, const AttachmentNamer* fileNameFor);

    [[nodiscard]] Data run();
    void collectTables();
    void header();
    void writeRun(std::size_t run);
    void link(const std::shared_ptr<const String>& target);
    void paragraph(const std::shared_ptr<const ParagraphStyle>& style);
    void character(const TextAttributes& attributes);
    void characters(Range range, const TextAttributes& attributes);
    void attachment(const std::shared_ptr<const TextAttachment>& attachment);
    void embeddedAttachment(const TextAttachment& attachment);
    void referencedAttachment(const std::shared_ptr<const TextAttachment>& attachment);
    [[nodiscard]] std::int64_t fontNumber(const String& family) const;
    [[nodiscard]] std::int64_t colorNumber(const std::optional<Color>& color) const;

    const AttributedString& text_;
    Range range_;
    const AttachmentNamer* fileNameFor_;
    RTFOutput out_;
    std::vector<String> fonts_;
    std::map<String, std::int64_t> fontNumbers_;
    std::vector<Color> colors_;
    std::map<std::uint32_t, std::int64_t> colorNumbers_;

    Formats written_;
    std::shared_ptr<const String> openLink_;
    Formats beforeLink_; // what the end of the link's field group restores
};

} // namespace platform
