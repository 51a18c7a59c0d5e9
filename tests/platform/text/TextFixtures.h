#pragma once

#include "platform/base/Data.h"
#include "platform/text/AttributedString.h"

#include <fstream>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>

namespace textfixtures {

// A 2×1 PNG (a red and a blue pixel) made with Python's zlib and struct.
inline platform::Data pngImage() {
    static const unsigned char bytes[] = {
        0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48,
        0x44, 0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00,
        0x00, 0x7b, 0x40, 0xe8, 0xdd, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x44, 0x41, 0x54, 0x78,
        0x9c, 0x63, 0xf8, 0xcf, 0x00, 0x04, 0xff, 0x01, 0x07, 0x00, 0x01, 0xff, 0xe2, 0x23,
        0x9e, 0x59, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
    return platform::Data(std::begin(bytes), std::end(bytes));
}

// The head of a baseline JPEG of 3×2 pixels: SOI, APP0 (JFIF), SOF0, EOI.
inline platform::Data jpegImage() {
    static const unsigned char bytes[] = {
        0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 'J',  'F',  'I',  'F',  0x00, 0x01, 0x01, 0x00,
        0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0xff, 0xc0, 0x00, 0x11, 0x08, 0x00, 0x02, 0x00,
        0x03, 0x03, 0x01, 0x22, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11, 0x01, 0xff, 0xd9};
    return platform::Data(std::begin(bytes), std::end(bytes));
}

inline platform::AttributedString attachmentText(const char16_t* name, platform::Data contents) {
    platform::TextAttributes attributes;
    attributes.attachment =
        std::make_shared<const platform::TextAttachment>(name, std::move(contents));
    return platform::AttributedString(u"\uFFFC", attributes);
}

inline std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

inline std::string dataPath(const std::string& name) {
    return std::string(SEALSCRIBE_TEST_DATA) + "/rtf/" + name;
}

} // namespace textfixtures

namespace platform {

// Readable test failures: each run as its attributes and its text.
inline void PrintTo(const AttributedString& text, std::ostream* out) {
    *out << "\n";
    for (std::size_t run = 0; run < text.runCount(); ++run) {
        const TextAttributes& a = *text.runAttributes(run);
        *out << "  [";
        if (a.font)
            *out << toUtf8Lossy(a.font->family()) << " " << a.font->pointSize()
                 << (a.font->isBold() ? " bold" : "") << (a.font->isItalic() ? " italic" : "");
        if (a.underline)
            *out << " ul";
        if (a.strikethrough)
            *out << " strike";
        if (a.foregroundColor)
            *out << " fg" << int(a.foregroundColor->red) << "," << int(a.foregroundColor->green)
                 << "," << int(a.foregroundColor->blue);
        if (a.backgroundColor)
            *out << " bg" << int(a.backgroundColor->red) << "," << int(a.backgroundColor->green)
                 << "," << int(a.backgroundColor->blue);
        if (a.link)
            *out << " link=" << toUtf8Lossy(*a.link);
        if (a.paragraphStyle)
            *out << " para(align" << int(a.paragraphStyle->alignment) << " li"
                 << a.paragraphStyle->leftIndent << " tabs" << a.paragraphStyle->tabStops.size()
                 << ")";
        if (a.attachment)
            *out << " attachment=" << toUtf8Lossy(a.attachment->fileName()) << "("
                 << a.attachment->contents().size() << ")";
        *out << "] \"" << toUtf8Lossy(text.substring(text.runRange(run))) << "\"\n";
    }
}

} // namespace platform
