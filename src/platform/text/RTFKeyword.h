#pragma once

#include <optional>
#include <string_view>

namespace platform {

// The control words the RTF reader acts on. Several words may share one meaning.
enum class RTFKeyword {
    // document
    Rtf,
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    Binary,
    // destinations
    FontTable,
    ColorTable,
    Picture,
    Field,
    FieldInstruction,
    FieldResult,
    ShapePicture,
    NeXTGraphic,
    FileAttachment,
    AttachmentName,
    SkippedDestination,
    // font and colour tables
    Font,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    // character formatting
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strikethrough,
    FontSize,
    ForegroundColor,
    BackgroundColor,
    // paragraph formatting
    ParagraphDefault,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustified,
    FirstLineIndent,
    LeftIndent,
    RightIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineSpacingMultiple,
    TabStop,
    // pictures
    PNGBlip,
    JPEGBlip,
    OtherPicture,
    // characters
    Paragraph,
    Line,
    Tab,
    Page,
    EmDash,
    EnDash,
    EmSpace,
    EnSpace,
    QuarterEmSpace,
    Bullet,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    ZeroWidthJoiner,
    ZeroWidthNonJoiner,
    ZeroWidthNoBreakSpace,
};

// None for a word the reader ignores.
[[nodiscard]] std::optional<RTFKeyword> lookUpRTFKeyword(std::string_view word);

// The character a word stands for (\par, \tab, \emdash ...); none for other words.
[[nodiscard]] std::optional<char16_t> characterOfRTFKeyword(RTFKeyword word);

} // namespace platform
