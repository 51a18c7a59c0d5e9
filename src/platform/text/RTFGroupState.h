#pragma once

#include "platform/base/String.h"
#include "platform/text/ParagraphStyle.h"
#include "platform/text/RTFKeyword.h"
#include "platform/text/TextAttributes.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace platform {

// Where the RTF reader puts the characters of a group.
enum class RTFDestination : std::uint8_t {
    Text,
    FontTable,
    ColorTable,
    Picture,
    FileAttachment,
    AttachmentName,
    FieldInstruction,
    NeXTGraphicName,
};

// A field being read: its instruction comes before its result.
struct RTFField {
    static constexpr std::size_t maxInstructionLength = 8192;
    String instruction;
};

// What a group of an RTF document sets; a group starts with a copy of its parent's and
// the parent's comes back at its end. The shared parts make the copy cheap, so that deep
// nesting costs little.
struct RTFGroupState {
    RTFDestination destination = RTFDestination::Text;
    bool ownsDestination = false; // this group began the destination
    bool suppressText = false;    // the placeholder after a \NeXTGraphic

    // Character formatting. A font is set once any of its parts is.
    bool fontSet = false;
    std::int64_t fontNumber = -1; // -1: the document's default font
    std::int32_t halfPoints = -1; // -1: 12 points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    std::int64_t foreground = 0; // colour table indices; 0 is the automatic colour
    std::int64_t background = 0;
    std::shared_ptr<const String> link;

    // Null after \pard; changed in place while no attributes share it.
    std::shared_ptr<ParagraphStyle> paragraph;

    std::int64_t unicodeSkip = 1; // \ucN
    std::shared_ptr<RTFField> field;

    // The attributes of the formatting above, made when a character needs them.
    std::shared_ptr<const TextAttributes> attributes;

    // A word of character or paragraph formatting changes the state and answers true.
    bool applyCharacterFormatting(RTFKeyword word, std::optional<std::int64_t> parameter);
    bool applyParagraphFormatting(RTFKeyword word, std::int64_t parameter);

private:
    template <typename Change> bool changeParagraph(Change change);
};

} // namespace platform
