#pragma once

#include "platform/base/Data.h"
#include "platform/base/String.h"
#include "platform/text/ImageFormat.h"
#include "platform/text/TextAttachment.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

namespace platform {

// An attachment being read from RTF: a \pict image, or a file of our own
// {\*\sealscribeattachment} destination, with the name of {\*\sealscribefilename}.
class RTFAttachmentBuilder {
public:
    enum class Kind { Picture, File };

    static constexpr std::size_t maxNameLength = 1024;

    void begin(Kind kind);
    [[nodiscard]] bool isActive() const { return active_; }
    [[nodiscard]] Kind kind() const { return kind_; }

    // A picture format kept (PNG, JPEG) or, as none, another.
    void setPictureFormat(std::optional<ImageFormat> format);
    void addHexDigit(char16_t digit);
    void addBytes(std::string_view bytes);
    // A name given, even an empty one, replaces the default name.
    void beginName();
    void addNameCharacter(char16_t character);

    // Null for an empty picture or one of a format not kept.
    [[nodiscard]] std::shared_ptr<const TextAttachment> finish();

private:
    [[nodiscard]] String defaultName() const;

    bool active_ = false;
    Kind kind_ = Kind::Picture;
    std::optional<ImageFormat> format_;
    bool formatKept_ = false;
    Data bytes_;
    int highNibble_ = -1;
    String name_;
    bool named_ = false;
};

} // namespace platform
