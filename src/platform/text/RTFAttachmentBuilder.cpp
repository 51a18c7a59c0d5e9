#include "platform/text/RTFAttachmentBuilder.h"

#include "platform/base/HexDigit.h"

namespace platform {

void RTFAttachmentBuilder::begin(Kind kind) {
    *this = {};
    active_ = true;
    kind_ = kind;
}

void RTFAttachmentBuilder::setPictureFormat(std::optional<ImageFormat> format) {
    format_ = format;
    formatKept_ = format.has_value();
}

void RTFAttachmentBuilder::addHexDigit(char16_t digit) {
    const int value = hexValue(digit);
    if (value < 0)
        return;
    if (highNibble_ < 0) {
        highNibble_ = value;
        return;
    }
    bytes_.push_back(static_cast<std::uint8_t>(highNibble_ << 4 | value));
    highNibble_ = -1;
}

void RTFAttachmentBuilder::addBytes(std::string_view bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void RTFAttachmentBuilder::beginName() {
    named_ = true;
    name_.clear();
}

void RTFAttachmentBuilder::addNameCharacter(char16_t character) {
    if (name_.size() < maxNameLength)
        name_.push_back(character);
}

std::shared_ptr<const TextAttachment> RTFAttachmentBuilder::finish() {
    const bool kept = kind_ == Kind::File || (formatKept_ && !bytes_.empty());
    active_ = false;
    if (!kept)
        return nullptr;
    String name = named_ ? std::move(name_) : defaultName();
    return std::make_shared<const TextAttachment>(std::move(name), std::move(bytes_));
}

String RTFAttachmentBuilder::defaultName() const {
    if (kind_ == Kind::File)
        return u"Attachment";
    return format_ == ImageFormat::JPEG ? u"image.jpg" : u"image.png";
}

} // namespace platform
