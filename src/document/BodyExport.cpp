#include "document/BodyExport.h"

#include "platform/base/FileWriter.h"
#include "platform/ui/Text.h"
#include "platform/ui/TextStorage.h"

using platform::Result;
using platform::String;

namespace {

constexpr const char16_t* textWarning =
    u"WARNING.\nThis command export the content of this document on a external file.\nContent "
    u"will be saved in the external file in plain text format and will be not "
    u"encrypted.\nEveryone will be able to acces the created external file using a standard "
    u"text viewer.\nThis doesn't in any way affect the protection of the Seal Scribe "
    u"file.\nThe lack of protection is only in the exported file.";

constexpr const char16_t* rtfWarning =
    u"WARNING.\nThis command export the content of this document on a external file.\nContent "
    u"will be saved in the external file in RTF format and will be not encrypted.\nEveryone "
    u"will be able to acces the created external file using a standard RTF viewer.\nThis "
    u"doesn't in any way affect the protection of the Seal Scribe file.\nThe lack of "
    u"protection is only in the exported file.";

constexpr const char16_t* rtfMessage = u"Export as Unencripted RTF File";

Result<> writeData(const platform::Data& data, const String& path) {
    platform::FileWriter writer;
    const auto written = writer.writeData(data, path);
    if (!written)
        return platform::failure(written.error());
    return {};
}

} // namespace

const BodyExport::Description& BodyExport::describe(BodyFileKind kind) {
    static const Description text{u"Export as Unencripted Text File", textWarning, u"txt"};
    static const Description rtf{rtfMessage, rtfWarning, u"rtf"};
    static const Description rtfd{rtfMessage, rtfWarning, u"rtfd"};
    switch (kind) {
    case BodyFileKind::Text:
        return text;
    case BodyFileKind::RTF:
        return rtf;
    case BodyFileKind::RTFD:
        break;
    }
    return rtfd;
}

Result<> BodyExport::write(BodyFileKind kind, const platform::Text& text, const String& path) {
    const platform::Range whole{0, text.textStorage()->length()};
    switch (kind) {
    case BodyFileKind::Text: {
        const auto utf8 = platform::toUtf8(text.string());
        if (!utf8)
            return platform::failure(u"The text holds characters that have no UTF-8 form.");
        return writeData(platform::dataFromBytes(*utf8), path);
    }
    case BodyFileKind::RTF:
        return writeData(text.RTFFromRange(whole), path);
    case BodyFileKind::RTFD:
        break;
    }
    return text.writeRTFDToFile(path, true);
}
