#include "platform/text/RTFParser.h"

#include "platform/base/AsciiCharacter.h"
#include "platform/base/HexDigit.h"
#include "platform/text/RTFCodePage.h"
#include "platform/text/RTFFieldInstruction.h"
#include "platform/text/RTFReader.h"

#include <algorithm>
#include <utility>

namespace platform {
namespace {

using K = RTFKeyword;
using D = RTFDestination;

constexpr std::size_t pendingFlushSize = 4096;
constexpr std::size_t maxWordLength = 32;
constexpr std::size_t maxGraphicNameLength = 1024;
constexpr std::int64_t parameterLimit = std::int64_t{1} << 40;

// Words that \* may precede without the group being skipped.
bool isIgnorableDestination(RTFKeyword word) {
    return word == K::FieldInstruction || word == K::ShapePicture || word == K::FileAttachment ||
           word == K::AttachmentName;
}

String trimmedTrailingSpaces(String text) {
    while (!text.empty() && (text.back() == u' ' || text.back() == u'\t'))
        text.pop_back();
    return text;
}

} // namespace

RTFParser::RTFParser(std::string_view input, const RTFReader::AttachmentResolver* resolver)
    : input_(input), resolver_(resolver) {}

std::optional<AttributedString> RTFParser::parse() {
    if (!RTFReader::startsAsRTF(input_))
        return std::nullopt;
    at_ = input_.find('{');
    // Every character takes at least one byte of RTF.
    result_.reserve(input_.size());
    while (!atEnd())
        step();
    flushText();
    result_.shrinkToFit();
    return std::move(result_);
}

void RTFParser::step() {
    switch (input_[at_]) {
    case '{':
        ++at_;
        openGroup();
        break;
    case '}':
        ++at_;
        closeGroup();
        break;
    case '\\':
        controlSequence();
        break;
    default:
        plainText();
        break;
    }
}

void RTFParser::plainText() {
    if (state_.destination != D::Text || skipPending_ > 0 || state_.suppressText || ignorable_) {
        plainByte(static_cast<std::uint8_t>(input_[at_++]));
        return;
    }
    const AttributedString::SharedAttributes& attributes = currentAttributes();
    if (attributes != pendingAttributes_) {
        flushText();
        pendingAttributes_ = attributes;
    }
    const StringEncoding encoding = currentEncoding();
    for (; at_ < input_.size() && pending_.size() < pendingFlushSize; ++at_) {
        const auto byte = static_cast<std::uint8_t>(input_[at_]);
        if (byte == '\\' || byte == '{' || byte == '}')
            break;
        if (byte >= 0x20 && byte < 0x7F)
            pending_.push_back(byte);
        else if (byte >= 0x80)
            pending_.push_back(RTFCodePage::decode(encoding, byte));
        else if (byte == '\t')
            pending_.push_back(u'\t');
        // line ends and other control bytes are not text
    }
    if (pending_.size() >= pendingFlushSize)
        flushText();
}

void RTFParser::plainByte(std::uint8_t byte) {
    if (byte == '\r' || byte == '\n')
        return;
    ignorable_ = false;
    if (skipPending_ > 0) {
        --skipPending_;
        return;
    }
    if (byte == '\t')
        character(u'\t');
    else if (byte >= 0x80)
        character(RTFCodePage::decode(currentEncoding(), byte));
    else if (byte >= 0x20 && byte != 0x7F)
        character(byte);
}

void RTFParser::controlSequence() {
    ++at_;
    if (at_ >= input_.size()) {
        finished_ = true;
        return;
    }
    const char next = input_[at_];
    if (isAsciiLetter(next)) {
        controlWord();
        return;
    }
    ++at_;
    controlSymbol(next);
}

void RTFParser::controlWord() {
    const std::size_t start = at_;
    while (at_ < input_.size() && isAsciiLetter(input_[at_]))
        ++at_;
    const std::string_view word = input_.substr(start, at_ - start);
    const std::optional<std::int64_t> value = parameter();
    const bool ignorable = std::exchange(ignorable_, false);
    const auto known = word.size() <= maxWordLength ? lookUpRTFKeyword(word) : std::nullopt;
    if (skipPending_ > 0) {
        --skipPending_;
        if (known == K::Binary)
            binary(value.value_or(0), false);
        return;
    }
    if (state_.destination == D::NeXTGraphicName && known != K::Unicode && known != K::UnicodeSkip)
        graphicNameEnded_ = true;
    if (ignorable && !(known && isIgnorableDestination(*known))) {
        skipGroup();
        return;
    }
    if (known)
        keyword(*known, value);
}

void RTFParser::controlSymbol(char symbol) {
    ignorable_ = false;
    if (symbol == '\'') {
        int byte = 0;
        int digits = 0;
        while (digits < 2 && at_ < input_.size() && hexValue(input_[at_]) >= 0) {
            byte = byte << 4 | hexValue(input_[at_++]);
            ++digits;
        }
        if (skipPending_ > 0)
            --skipPending_;
        else if (digits == 2)
            escapedCharacter(
                RTFCodePage::decode(currentEncoding(), static_cast<std::uint8_t>(byte)));
        return;
    }
    if (skipPending_ > 0) {
        --skipPending_;
        return;
    }
    switch (symbol) {
    case '*':
        ignorable_ = true;
        break;
    case '\\':
    case '{':
    case '}':
        character(static_cast<char16_t>(symbol));
        break;
    case '~':
        character(u'\u00A0');
        break;
    case '-':
        character(u'\u00AD');
        break;
    case '_':
        character(u'\u2011');
        break;
    case '\n':
    case '\r':
        if (state_.destination == D::Text)
            textCharacter(u'\n');
        break;
    default:
        break;
    }
}

std::optional<std::int64_t> RTFParser::parameter() {
    std::size_t at = at_;
    const bool negative =
        at + 1 < input_.size() && input_[at] == '-' && isAsciiDigit(input_[at + 1]);
    if (negative)
        ++at;
    std::optional<std::int64_t> value;
    if (at < input_.size() && isAsciiDigit(input_[at])) {
        std::int64_t number = 0;
        for (; at < input_.size() && isAsciiDigit(input_[at]); ++at)
            if (number < parameterLimit)
                number = number * 10 + (input_[at] - '0');
        value = negative ? -number : number;
        at_ = at;
    }
    if (at_ < input_.size() && input_[at_] == ' ')
        ++at_;
    return value;
}

void RTFParser::binary(std::int64_t length, bool keep) {
    const auto count = static_cast<std::size_t>(std::max<std::int64_t>(length, 0));
    if (count > input_.size() - at_) {
        at_ = input_.size();
        finished_ = true;
        return;
    }
    const bool intoAttachment =
        state_.destination == D::Picture || state_.destination == D::FileAttachment;
    if (keep && intoAttachment)
        attachment_.addBytes(input_.substr(at_, count));
    at_ += count;
}

void RTFParser::openGroup() {
    ignorable_ = false;
    skipPending_ = 0;
    if (saved_.size() >= RTFReader::maxGroupDepth) {
        finished_ = true;
        return;
    }
    saved_.push_back(state_);
    state_.ownsDestination = false;
}

void RTFParser::closeGroup() {
    ignorable_ = false;
    skipPending_ = 0;
    if (saved_.empty()) {
        finished_ = true;
        return;
    }
    const RTFGroupState ended = std::exchange(state_, std::move(saved_.back()));
    saved_.pop_back();
    if (ended.destination == D::FontTable)
        fonts_.commit();
    if (ended.ownsDestination)
        endDestination(ended);
    // Whatever destinations its groups began, an attachment ends with the group it began in.
    if (attachment_.isActive() && saved_.size() < attachmentDepth_)
        emitAttachment(attachment_.finish());
    if (saved_.empty())
        finished_ = true;
}

// Moves to the '}' that ends the current group, for closeGroup to take. The document's own
// group is never skipped.
void RTFParser::skipGroup() {
    if (!insideDocument())
        return;
    std::size_t depth = 0;
    while (at_ < input_.size()) {
        const char c = input_[at_];
        if (c == '}' && depth == 0)
            return;
        ++at_;
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            --depth;
        } else if (c == '\\' && at_ < input_.size()) {
            if (!isAsciiLetter(input_[at_])) {
                ++at_;
                continue;
            }
            const std::size_t start = at_;
            while (at_ < input_.size() && isAsciiLetter(input_[at_]))
                ++at_;
            const std::string_view word = input_.substr(start, at_ - start);
            const std::optional<std::int64_t> value = parameter();
            if (word == "bin" && value)
                binary(*value, false);
        }
    }
    finished_ = true;
}

void RTFParser::endDestination(const RTFGroupState& ended) {
    switch (ended.destination) {
    case D::FontTable:
    case D::ColorTable:
        attributes_.clear(); // their entries change what the formatting means
        break;
    case D::NeXTGraphicName:
        finishGraphic();
        break;
    default:
        break;
    }
}

void RTFParser::keyword(RTFKeyword word, std::optional<std::int64_t> parameter) {
    const std::int64_t value = parameter.value_or(0);
    if (destinationKeyword(word) || documentKeyword(word, value) || tableKeyword(word, value) ||
        state_.applyCharacterFormatting(word, parameter) ||
        state_.applyParagraphFormatting(word, value) || specialCharacterKeyword(word))
        return;
    switch (word) {
    case K::PNGBlip:
    case K::JPEGBlip:
    case K::OtherPicture:
        if (state_.destination == D::Picture)
            attachment_.setPictureFormat(word == K::PNGBlip    ? std::optional(ImageFormat::PNG)
                                         : word == K::JPEGBlip ? std::optional(ImageFormat::JPEG)
                                                               : std::nullopt);
        break;
    case K::Unicode:
        if (parameter)
            unicode(value);
        break;
    case K::UnicodeSkip:
        state_.unicodeSkip = std::max<std::int64_t>(value, 0);
        break;
    case K::Binary:
        binary(value, true);
        break;
    default:
        break;
    }
}

bool RTFParser::destinationKeyword(RTFKeyword word) {
    const bool inText = state_.destination == D::Text && insideDocument();
    const bool inAttachment = attachment_.isActive() && (state_.destination == D::Picture ||
                                                         state_.destination == D::FileAttachment);
    switch (word) {
    case K::FontTable:
        inText ? beginDestination(D::FontTable) : skipGroup();
        return true;
    case K::ColorTable:
        inText ? beginDestination(D::ColorTable) : skipGroup();
        return true;
    case K::Picture:
    case K::FileAttachment:
        if (inText && !attachment_.isActive())
            beginAttachment(word == K::Picture ? RTFAttachmentBuilder::Kind::Picture
                                               : RTFAttachmentBuilder::Kind::File);
        else
            skipGroup();
        return true;
    case K::AttachmentName:
        if (inAttachment) {
            beginDestination(D::AttachmentName);
            attachment_.beginName();
        } else {
            skipGroup();
        }
        return true;
    case K::Field:
        if (inText)
            state_.field = std::make_shared<RTFField>();
        else
            skipGroup();
        return true;
    case K::FieldInstruction:
        if (inText && state_.field)
            beginDestination(D::FieldInstruction);
        else
            skipGroup();
        return true;
    case K::FieldResult:
        beginFieldResult();
        return true;
    case K::ShapePicture:
        return true;
    case K::NeXTGraphic:
        if (inText) {
            beginDestination(D::NeXTGraphicName);
            graphicName_.clear();
            graphicNameEnded_ = false;
        } else {
            skipGroup();
        }
        return true;
    case K::SkippedDestination:
        skipGroup();
        return true;
    default:
        return false;
    }
}

bool RTFParser::documentKeyword(RTFKeyword word, std::int64_t parameter) {
    switch (word) {
    case K::Ansi:
        documentEncoding_ = StringEncoding::WindowsLatin1;
        return true;
    case K::Mac:
        documentEncoding_ = StringEncoding::MacOSRoman;
        return true;
    case K::Pc:
        documentEncoding_ = StringEncoding::DOSLatinUS;
        return true;
    case K::Pca:
        documentEncoding_ = StringEncoding::DOSLatin1;
        return true;
    case K::AnsiCodePage:
        documentEncoding_ = RTFCodePage::forCodePage(parameter).value_or(documentEncoding_);
        return true;
    case K::DefaultFont:
        defaultFont_ = parameter;
        state_.attributes.reset();
        attributes_.clear();
        return true;
    default:
        return false;
    }
}

bool RTFParser::tableKeyword(RTFKeyword word, std::int64_t parameter) {
    if (state_.destination == D::FontTable) {
        switch (word) {
        case K::Font:
            fonts_.beginEntry(parameter);
            return true;
        case K::FontCharset:
            fonts_.setCharset(parameter);
            return true;
        case K::FontCodePage:
            fonts_.setCodePage(parameter);
            return true;
        default:
            return false;
        }
    }
    if (state_.destination == D::ColorTable) {
        switch (word) {
        case K::Red:
            colors_.setRed(parameter);
            return true;
        case K::Green:
            colors_.setGreen(parameter);
            return true;
        case K::Blue:
            colors_.setBlue(parameter);
            return true;
        default:
            return false;
        }
    }
    return false;
}

bool RTFParser::specialCharacterKeyword(RTFKeyword word) {
    const auto special = characterOfRTFKeyword(word);
    if (!special)
        return false;
    if (state_.destination == D::Text)
        textCharacter(*special);
    return true;
}

void RTFParser::beginDestination(RTFDestination destination) {
    state_.destination = destination;
    state_.ownsDestination = true;
}

void RTFParser::beginAttachment(RTFAttachmentBuilder::Kind kind) {
    attachment_.begin(kind);
    attachmentDepth_ = saved_.size();
    beginDestination(kind == RTFAttachmentBuilder::Kind::Picture ? D::Picture : D::FileAttachment);
}

void RTFParser::beginFieldResult() {
    if (!state_.field || state_.destination != D::Text)
        return;
    if (auto link = RTFFieldInstruction::hyperlink(state_.field->instruction)) {
        state_.link = std::make_shared<const String>(std::move(*link));
        state_.attributes.reset();
    }
}

void RTFParser::unicode(std::int64_t value) {
    if (value < 0 && value >= -32768)
        value += 65536;
    if (value >= 0 && value <= 0xFFFF) {
        escapedCharacter(static_cast<char16_t>(value));
    } else if (value > 0xFFFF && value <= 0x10FFFF) {
        // Not RTF, but some writers put a character outside the BMP in one \u.
        value -= 0x10000;
        escapedCharacter(static_cast<char16_t>(0xD800 + (value >> 10)));
        escapedCharacter(static_cast<char16_t>(0xDC00 + (value & 0x3FF)));
    } else {
        escapedCharacter(u'\uFFFD');
    }
    skipPending_ = state_.unicodeSkip;
}

void RTFParser::character(char16_t unit) {
    switch (state_.destination) {
    case D::Text:
        textCharacter(unit);
        break;
    case D::FontTable:
        unit == u';' ? fonts_.commit() : fonts_.addNameCharacter(unit);
        break;
    case D::ColorTable:
        if (unit == u';')
            colors_.commit();
        break;
    case D::Picture:
    case D::FileAttachment:
        attachment_.addHexDigit(unit);
        break;
    case D::AttachmentName:
        attachment_.addNameCharacter(unit);
        break;
    case D::FieldInstruction:
        if (state_.field && state_.field->instruction.size() < RTFField::maxInstructionLength)
            state_.field->instruction.push_back(unit);
        break;
    case D::NeXTGraphicName:
        if (!graphicNameEnded_ && graphicName_.size() < maxGraphicNameLength)
            graphicName_.push_back(unit);
        break;
    }
}

// Only a literal semicolon ends a font table entry; an escaped one is part of the name.
void RTFParser::escapedCharacter(char16_t unit) {
    if (state_.destination == D::FontTable)
        fonts_.addNameCharacter(unit);
    else
        character(unit);
}

void RTFParser::textCharacter(char16_t unit) {
    if (state_.suppressText)
        return;
    const AttributedString::SharedAttributes& attributes = currentAttributes();
    if (attributes != pendingAttributes_) {
        flushText();
        pendingAttributes_ = attributes;
    }
    pending_.push_back(unit);
    if (pending_.size() >= pendingFlushSize)
        flushText();
}

StringEncoding RTFParser::currentEncoding() const {
    if (state_.destination == D::FontTable)
        return fonts_.pendingEncoding().value_or(documentEncoding_);
    const auto* entry = fonts_.find(state_.fontNumber < 0 ? defaultFont_ : state_.fontNumber);
    return entry && entry->encoding ? *entry->encoding : documentEncoding_;
}

void RTFParser::flushText() {
    if (pending_.empty())
        return;
    result_.append(pending_, pendingAttributes_);
    pending_.clear();
}

const AttributedString::SharedAttributes& RTFParser::currentAttributes() {
    return attributes_.attributesOf(state_, fonts_, colors_, defaultFont_);
}

void RTFParser::emitAttachment(std::shared_ptr<const TextAttachment> attachment) {
    if (!attachment || state_.destination != D::Text || state_.suppressText)
        return;
    flushText();
    auto attributes = std::make_shared<TextAttributes>(*currentAttributes());
    attributes->attachment = std::move(attachment);
    result_.append(u"\uFFFC", attributes);
}

// Ends {\NeXTGraphic name ...}: the attachment is the named file beside the RTF, and the
// rest of the enclosing group is its placeholder (the platform writes U+00AC there).
void RTFParser::finishGraphic() {
    const String name = trimmedTrailingSpaces(std::move(graphicName_));
    graphicName_.clear();
    if (resolver_ && *resolver_ && !name.empty())
        if (auto contents = (*resolver_)(name))
            emitAttachment(std::make_shared<const TextAttachment>(name, std::move(*contents)));
    if (insideDocument())
        state_.suppressText = true;
}

} // namespace platform
