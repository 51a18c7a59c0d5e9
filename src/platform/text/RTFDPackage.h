#pragma once

#include "platform/base/Data.h"
#include "platform/base/String.h"
#include "platform/text/AttributedString.h"
#include "platform/text/RTFDFolder.h"
#include "platform/text/Range.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string_view>

namespace platform {

// An RTFD package: TXT.rtf and the files of its attachments, which the RTF references
// with \NeXTGraphic. It lives on disk as a folder, and as one data value (the RTFD data of
// RTFDFromRange:) in the serialized form of SerializedFileWrapper.
class RTFDPackage {
public:
    using Files = RTFDFolder::Files;

    static constexpr std::u16string_view textFileName = u"TXT.rtf";

    // Each attachment becomes a file under its own name, made unique where two differ
    // and made a valid file name where it is not one.
    [[nodiscard]] static RTFDPackage fromAttributedString(const AttributedString& text);
    [[nodiscard]] static RTFDPackage fromAttributedString(const AttributedString& text,
                                                          Range range);

    // None when the package has no TXT.rtf or that is not RTF. A reference to a file the
    // package lacks gives no character.
    [[nodiscard]] std::optional<AttributedString> attributedString() const;

    [[nodiscard]] const Files& files() const { return files_; }

    // Fails, with a reason for a person, as RTFDFolder::read does, and when the package
    // has no TXT.rtf or that is not RTF; `limit` bounds the sum of the files.
    [[nodiscard]] static Result<RTFDPackage>
    readFromFolder(const std::filesystem::path& folder,
                   std::size_t limit = FileReader::importLimit);
    [[nodiscard]] Result<> writeToFolder(const std::filesystem::path& folder) const;

    [[nodiscard]] Data serializedData() const;
    // None when the data is no serialized package; files with names that are no file
    // names are left out.
    [[nodiscard]] static std::optional<RTFDPackage> fromSerializedData(std::string_view data);

private:
    explicit RTFDPackage(Files files) : files_(std::move(files)) {}

    Files files_;
};

} // namespace platform
