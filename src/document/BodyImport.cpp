#include "document/BodyImport.h"

#include "platform/base/FileReader.h"
#include "platform/ui/Text.h"
#include "platform/ui/TextStorage.h"

using platform::Result;
using platform::String;

platform::Result<> BodyImport::insert(BodyFileKind kind, const String& path, platform::Text& text) {
    Result<> inserted;
    switch (kind) {
    case BodyFileKind::Text:
        inserted = insertText(path, text);
        break;
    case BodyFileKind::RTF:
        inserted = insertRTF(path, text);
        break;
    case BodyFileKind::RTFD:
        inserted = insertRTFD(path, text);
        break;
    }
    if (inserted)
        text.didChangeText();
    return inserted;
}

Result<> BodyImport::insertText(const String& path, platform::Text& text) {
    const auto bytes = platform::FileReader::readData(path, sizeLimit);
    if (!bytes)
        return platform::failure(bytes.error());
    const auto string = platform::fromUtf8(platform::bytesOf(*bytes));
    if (!string)
        return platform::failure(u"The file is not UTF-8 text.");
    text.replaceCharactersInRange(text.selectedRange(), *string);
    return {};
}

Result<> BodyImport::insertRTF(const String& path, platform::Text& text) {
    const auto bytes = platform::FileReader::readData(path, sizeLimit);
    if (!bytes)
        return platform::failure(bytes.error());
    if (!text.replaceCharactersInRangeWithRTF(text.selectedRange(), *bytes))
        return platform::failure(u"The file is not in RTF format.");
    return {};
}

// Through a scratch text, as the package's attachments need resolving first.
Result<> BodyImport::insertRTFD(const String& path, platform::Text& text) {
    platform::Text scratch;
    if (auto read = scratch.readRTFDFromFile(path); !read)
        return read;
    const auto package = scratch.RTFDFromRange({0, scratch.textStorage()->length()});
    if (!text.replaceCharactersInRangeWithRTFD(text.selectedRange(), package))
        return platform::failure(u"The file is not an RTFD package.");
    return {};
}
