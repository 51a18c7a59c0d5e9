#pragma once

#include "platform/base/StringEncoding.h"
#include "platform/text/AttributedString.h"
#include "platform/text/RTFAttachmentBuilder.h"
#include "platform/text/RTFAttributeCache.h"
#include "platform/text/RTFColorTable.h"
#include "platform/text/RTFFontTable.h"
#include "platform/text/RTFGroupState.h"
#include "platform/text/RTFKeyword.h"
#include "platform/text/RTFReader.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace platform {

// The machinery of RTFReader: one pass over the bytes with a stack of group states.
class RTFParser {
public:
    RTFParser(std::string_view input, const RTFReader::AttachmentResolver* resolver);

    [[nodiscard]] std::optional<AttributedString> parse();

private:
    // scanning
    [[nodiscard]] bool atEnd() const { return finished_ || at_ >= input_.size(); }
    void step();
    void plainText();
    void plainByte(std::uint8_t byte);
    void controlSequence();
    void controlWord();
    void controlSymbol(char symbol);
    [[nodiscard]] std::optional<std::int64_t> parameter();
    void binary(std::int64_t length, bool keep);

    // groups
    void openGroup();
    void closeGroup();
    void skipGroup();
    [[nodiscard]] bool insideDocument() const { return saved_.size() >= 2; }
    void endDestination(const RTFGroupState& ended);

    // control words
    void keyword(RTFKeyword word, std::optional<std::int64_t> parameter);
    [[nodiscard]] bool destinationKeyword(RTFKeyword word);
    [[nodiscard]] bool documentKeyword(RTFKeyword word, std::int64_t parameter);
    [[nodiscard]] bool tableKeyword(RTFKeyword word, std::int64_t parameter);
    [[nodiscard]] bool specialCharacterKeyword(RTFKeyword word);
    void beginDestination(RTFDestination destination);
    void beginAttachment(RTFAttachmentBuilder::Kind kind);
    void beginFieldResult();

    // characters
    void unicode(std::int64_t value);
    void character(char16_t unit);
    void escapedCharacter(char16_t unit);
    void textCharacter(char16_t unit);
    [[nodiscard]] StringEncoding currentEncoding() const;
    void flushText();
    [[nodiscard]] const AttributedString::SharedAttributes& currentAttributes();
    void emitAttachment(std::shared_ptr<const TextAttachment> attachment);
    void finishGraphic();

    std::string_view input_;
    std::size_t at_ = 0;
    bool finished_ = false;
    const RTFReader::AttachmentResolver* resolver_;

    std::vector<RTFGroupState> saved_;
    RTFGroupState state_;
    bool ignorable_ = false;       // a \* before the next control word
    std::int64_t skipPending_ = 0; // fallback characters of a \uN still to skip

    StringEncoding documentEncoding_ = StringEncoding::WindowsLatin1;
    std::int64_t defaultFont_ = 0;
    RTFFontTable fonts_;
    RTFColorTable colors_;
    RTFAttachmentBuilder attachment_;
    std::size_t attachmentDepth_ = 0; // of the group that began it
    String graphicName_;
    bool graphicNameEnded_ = false;

    AttributedString result_;
    String pending_;
    AttributedString::SharedAttributes pendingAttributes_;
    RTFAttributeCache attributes_;
};

} // namespace platform
