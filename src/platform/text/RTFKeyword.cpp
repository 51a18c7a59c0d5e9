#include "platform/text/RTFKeyword.h"

#include <algorithm>
#include <array>
#include <utility>

namespace platform {
namespace {

using Entry = std::pair<std::string_view, RTFKeyword>;
using K = RTFKeyword;

// Sorted by word (byte order), as lookUpRTFKeyword searches it.
constexpr std::array keywords = std::to_array<Entry>({
    {"NeXTGraphic", K::NeXTGraphic},
    {"annotation", K::SkippedDestination},
    {"ansi", K::Ansi},
    {"ansicpg", K::AnsiCodePage},
    {"atnauthor", K::SkippedDestination},
    {"atnid", K::SkippedDestination},
    {"b", K::Bold},
    {"bin", K::Binary},
    {"bkmkend", K::SkippedDestination},
    {"bkmkstart", K::SkippedDestination},
    {"blue", K::Blue},
    {"bullet", K::Bullet},
    {"cb", K::BackgroundColor},
    {"cell", K::Tab},
    {"cf", K::ForegroundColor},
    {"chcbpat", K::BackgroundColor},
    {"colorschememapping", K::SkippedDestination},
    {"colortbl", K::ColorTable},
    {"comment", K::SkippedDestination},
    {"cpg", K::FontCodePage},
    {"datastore", K::SkippedDestination},
    {"deff", K::DefaultFont},
    {"dibitmap", K::OtherPicture},
    {"docvar", K::SkippedDestination},
    {"emdash", K::EmDash},
    {"emfblip", K::OtherPicture},
    {"emspace", K::EmSpace},
    {"endash", K::EnDash},
    {"enspace", K::EnSpace},
    {"f", K::Font},
    {"falt", K::SkippedDestination},
    {"fcharset", K::FontCharset},
    {"fi", K::FirstLineIndent},
    {"field", K::Field},
    {"filetbl", K::SkippedDestination},
    {"fldinst", K::FieldInstruction},
    {"fldrslt", K::FieldResult},
    {"fontemb", K::SkippedDestination},
    {"fontfile", K::SkippedDestination},
    {"fonttbl", K::FontTable},
    {"footer", K::SkippedDestination},
    {"footerf", K::SkippedDestination},
    {"footerl", K::SkippedDestination},
    {"footerr", K::SkippedDestination},
    {"footnote", K::SkippedDestination},
    {"fs", K::FontSize},
    {"generator", K::SkippedDestination},
    {"green", K::Green},
    {"header", K::SkippedDestination},
    {"headerf", K::SkippedDestination},
    {"headerl", K::SkippedDestination},
    {"headerr", K::SkippedDestination},
    {"highlight", K::BackgroundColor},
    {"i", K::Italic},
    {"info", K::SkippedDestination},
    {"jpegblip", K::JPEGBlip},
    {"latentstyles", K::SkippedDestination},
    {"ldblquote", K::LeftDoubleQuote},
    {"li", K::LeftIndent},
    {"line", K::Line},
    {"listoverridetable", K::SkippedDestination},
    {"listtable", K::SkippedDestination},
    {"lquote", K::LeftQuote},
    {"mac", K::Mac},
    {"macpict", K::OtherPicture},
    {"mmathPr", K::SkippedDestination},
    {"nonshppict", K::SkippedDestination},
    {"object", K::SkippedDestination},
    {"page", K::Page},
    {"panose", K::SkippedDestination},
    {"par", K::Paragraph},
    {"pard", K::ParagraphDefault},
    {"pc", K::Pc},
    {"pca", K::Pca},
    {"pgdsctbl", K::SkippedDestination},
    {"pict", K::Picture},
    {"plain", K::Plain},
    {"pmmetafile", K::OtherPicture},
    {"pngblip", K::PNGBlip},
    {"private", K::SkippedDestination},
    {"qc", K::AlignCenter},
    {"qd", K::AlignJustified},
    {"qj", K::AlignJustified},
    {"ql", K::AlignLeft},
    {"qmspace", K::QuarterEmSpace},
    {"qr", K::AlignRight},
    {"rdblquote", K::RightDoubleQuote},
    {"red", K::Red},
    {"revtbl", K::SkippedDestination},
    {"ri", K::RightIndent},
    {"row", K::Paragraph},
    {"rquote", K::RightQuote},
    {"rsidtbl", K::SkippedDestination},
    {"rtf", K::Rtf},
    {"sa", K::SpaceAfter},
    {"sb", K::SpaceBefore},
    {"sealscribeattachment", K::FileAttachment},
    {"sealscribefilename", K::AttachmentName},
    {"sect", K::Paragraph},
    {"shp", K::SkippedDestination},
    {"shppict", K::ShapePicture},
    {"shprslt", K::SkippedDestination},
    {"sl", K::LineSpacing},
    {"slmult", K::LineSpacingMultiple},
    {"strike", K::Strikethrough},
    {"striked", K::Strikethrough},
    {"stylesheet", K::SkippedDestination},
    {"tab", K::Tab},
    {"tc", K::SkippedDestination},
    {"template", K::SkippedDestination},
    {"themedata", K::SkippedDestination},
    {"tx", K::TabStop},
    {"txe", K::SkippedDestination},
    {"u", K::Unicode},
    {"uc", K::UnicodeSkip},
    {"ul", K::Underline},
    {"uld", K::Underline},
    {"uldash", K::Underline},
    {"uldashd", K::Underline},
    {"uldashdd", K::Underline},
    {"uldb", K::Underline},
    {"ulhwave", K::Underline},
    {"ulldash", K::Underline},
    {"ulnone", K::UnderlineNone},
    {"ulth", K::Underline},
    {"ulthd", K::Underline},
    {"ulthdash", K::Underline},
    {"ulthdashd", K::Underline},
    {"ulthdashdd", K::Underline},
    {"ulthldash", K::Underline},
    {"ululdbwave", K::Underline},
    {"ulw", K::Underline},
    {"ulwave", K::Underline},
    {"userprops", K::SkippedDestination},
    {"wbitmap", K::OtherPicture},
    {"wmetafile", K::OtherPicture},
    {"xe", K::SkippedDestination},
    {"xmlnstbl", K::SkippedDestination},
    {"zwj", K::ZeroWidthJoiner},
    {"zwnbo", K::ZeroWidthNoBreakSpace},
    {"zwnj", K::ZeroWidthNonJoiner},
});

static_assert(std::is_sorted(keywords.begin(), keywords.end(),
                             [](const Entry& a, const Entry& b) { return a.first < b.first; }));

} // namespace

std::optional<RTFKeyword> lookUpRTFKeyword(std::string_view word) {
    const auto found = std::lower_bound(
        keywords.begin(), keywords.end(), word,
        [](const Entry& entry, std::string_view key) { return entry.first < key; });
    if (found == keywords.end() || found->first != word)
        return std::nullopt;
    return found->second;
}

std::optional<char16_t> characterOfRTFKeyword(RTFKeyword word) {
    switch (word) {
    case K::Paragraph:
        return u'\n';
    case K::Line:
        return u'\u2028';
    case K::Tab:
        return u'\t';
    case K::Page:
        return u'\f';
    case K::EmDash:
        return u'\u2014';
    case K::EnDash:
        return u'\u2013';
    case K::EmSpace:
        return u'\u2003';
    case K::EnSpace:
        return u'\u2002';
    case K::QuarterEmSpace:
        return u'\u2005';
    case K::Bullet:
        return u'\u2022';
    case K::LeftQuote:
        return u'\u2018';
    case K::RightQuote:
        return u'\u2019';
    case K::LeftDoubleQuote:
        return u'\u201C';
    case K::RightDoubleQuote:
        return u'\u201D';
    case K::ZeroWidthJoiner:
        return u'\u200D';
    case K::ZeroWidthNonJoiner:
        return u'\u200C';
    case K::ZeroWidthNoBreakSpace:
        return u'\uFEFF';
    default:
        return std::nullopt;
    }
}

} // namespace platform
