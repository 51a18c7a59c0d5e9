#include "platform/ui/TextView.h"

#include "CountingTextDelegate.h"
#include "UiTest.h"
#include "platform/base/FileReader.h"
#include "platform/text/RTFReader.h"
#include "platform/text/RTFWriter.h"
#include "platform/ui/PrintOperation.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TextDelegate.h"
#include "platform/ui/TextStorage.h"
#include "support/ScratchFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

TextAttributes inFont(const String& family, double size, bool bold = false) {
    TextAttributes attributes;
    attributes.font = Font(family, size, bold);
    return attributes;
}

String utf16(const fs::path& path) {
    return fromUtf8(path.string()).value();
}

class ChangeLog {
public:
    explicit ChangeLog(Text& text)
        : observation_(text.textStorage()->observeEdits(
              [this](const TextChange& change) { changes.push_back(change); })) {}
    std::vector<TextChange> changes;

private:
    Observation observation_;
};

using CountingDelegate = uitest::CountingTextDelegate;

// A body text view in a scroll view of a key window, with a field beside it that can take
// the keyboard focus.
class TextViewTest : public uitest::UiTest {
protected:
    TextViewTest() {
        window->setContentView(std::make_shared<View>());
        window->contentView()->addSubview(scroll);
        scroll->setDocumentView(view);
    }

    void endEditing() { ASSERT_TRUE(window->makeFirstResponder(scroll)); }

    std::shared_ptr<Window> window = shownWindow();
    std::shared_ptr<ScrollView> scroll = std::make_shared<ScrollView>();
    std::shared_ptr<TextView> view = std::make_shared<TextView>();
};

TEST_F(TextViewTest, TypingChangesTheStorageByTheKeystrokeInTheTypingAttributes) {
    const TextAttributes typing = inFont(u"Courier", 14);
    view->setTypingAttributes(typing);
    ChangeLog log(*view);

    for (const char16_t* key : {u"a", u"b", u"c"})
        view->userTypeText(key);

    EXPECT_EQ(view->string(), u"abc");
    EXPECT_EQ(window->firstResponder(), view);
    EXPECT_EQ(view->selectedRange(), (Range{3, 0}));
    EXPECT_EQ(view->textStorage()->attributedString(), AttributedString(u"abc", typing));
    EXPECT_EQ(log.changes, (std::vector<TextChange>{{{0, 0}, 1}, {{1, 0}, 1}, {{2, 0}, 1}}));
}

TEST_F(TextViewTest, TypingReplacesTheSelectionAndDeletingTakesWholeCharacters) {
    view->replaceCharactersInRange({0, 0}, u"one two \U0001F600!");
    view->userSelect({4, 3});
    view->userTypeText(u"2");
    EXPECT_EQ(view->string(), u"one 2 \U0001F600!");
    EXPECT_EQ(view->selectedRange(), (Range{5, 0}));

    ChangeLog log(*view);
    view->userSelect({8, 0}); // after the emoji's two code units
    view->userDeleteBackward();
    EXPECT_EQ(view->string(), u"one 2 !");
    view->userSelect({0, 0});
    view->userDeleteBackward(); // nothing before the start
    view->userDeleteForward();
    EXPECT_EQ(view->string(), u"ne 2 !");
    view->userSelect({6, 0});
    view->userDeleteForward(); // nothing after the end
    EXPECT_EQ(log.changes, (std::vector<TextChange>{{{6, 2}, 0}, {{0, 1}, 0}}));
}

TEST_F(TextViewTest, ATypedKeystrokeInALargeBodyReportsOnlyThatKeystroke) {
    view->replaceCharactersInRange({0, 0}, String(200000, u'x'));
    ChangeLog log(*view);
    view->userSelect({100000, 0});
    view->userTypeText(u"y");
    EXPECT_EQ(log.changes, (std::vector<TextChange>{{{100000, 0}, 1}}));
}

TEST_F(TextViewTest, AReadOnlyViewRefusesTheUserButNotTheProgram) {
    view->replaceCharactersInRange({0, 0}, u"kept");
    view->setEditable(false);
    const auto delegate = std::make_shared<CountingDelegate>();
    view->setDelegate(delegate);

    view->userSelect({4, 0});
    view->userTypeText(u"!");
    view->userDeleteBackward();
    view->userPaste(u"pasted");
    view->userPasteRTF(RTFWriter::write(AttributedString(u"rich")));
    view->userToggleBold();
    EXPECT_EQ(view->string(), u"kept");
    EXPECT_EQ(delegate->changes, 0);
    EXPECT_EQ(view->selectedRange(), (Range{4, 0})); // still selectable

    // An import into a read-only document.
    view->replaceCharactersInRange(view->selectedRange(), u" imported");
    EXPECT_TRUE(
        view->replaceCharactersInRangeWithRTF({0, 0}, RTFWriter::write(AttributedString(u">"))));
    view->didChangeText();
    EXPECT_EQ(view->string(), u">kept imported");
    EXPECT_EQ(delegate->changes, 1);
}

TEST_F(TextViewTest, TheSelectionFollowsEditsAndGivesTheTypingAttributes) {
    const TextAttributes bold = inFont(u"Helvetica", 12, true);
    const TextAttributes plain = inFont(u"Times", 10);
    AttributedString text(u"bold", bold);
    text.replaceCharacters({4, 0}, AttributedString(u"plain", plain));
    view->textStorage()->setAttributedString(text);

    view->setSelectedRange({6, 0});
    EXPECT_EQ(view->typingAttributes(), plain); // the character before the insertion point
    view->setSelectedRange({2, 5});
    EXPECT_EQ(view->typingAttributes(), bold); // the first selected character
    view->setSelectedRange({0, 0});
    EXPECT_EQ(view->typingAttributes(), bold);
    view->setSelectedRange({50, 10});
    EXPECT_EQ(view->selectedRange(), (Range{9, 0}));

    view->setSelectedRange({5, 2});
    view->textStorage()->replaceCharactersInRange({0, 0}, String(u">>"));
    EXPECT_EQ(view->selectedRange(), (Range{7, 2})); // moved with the text
    view->textStorage()->setAttributes(plain, {0, 11});
    EXPECT_EQ(view->selectedRange(), (Range{7, 2})); // attributes alone move nothing
    view->textStorage()->replaceCharactersInRange({6, 2}, String(u"-"));
    EXPECT_EQ(view->selectedRange(), (Range{7, 0})); // after what replaced it

    view->selectAll(nullptr);
    EXPECT_EQ(view->selectedRange(), (Range{0, 10}));
    view->setSelectedRange({0, 0});
    EXPECT_TRUE(view->tryToPerform(u"selectAll:", nullptr));
    EXPECT_EQ(view->selectedRange(), (Range{0, 10}));
}

TEST_F(TextViewTest, AnAttachmentIsNeverTypedAgain) {
    TextAttributes image;
    image.attachment = std::make_shared<const TextAttachment>(u"a.txt", Data{'a'});
    view->textStorage()->setAttributedString(AttributedString(u"\uFFFC", image));
    view->userSelect({1, 0});
    view->userTypeText(u"x");
    EXPECT_EQ(view->textStorage()->attributedString().attributesAt(1), TextAttributes());
}

TEST_F(TextViewTest, FormattingChangesTheSelectionOrTheTypingAttributes) {
    const TextAttributes bold = inFont(u"Times", 10, true);
    AttributedString text(u"ab", bold);
    text.replaceCharacters({2, 0}, AttributedString(u"cd\nef"));
    view->textStorage()->setAttributedString(text);
    const auto fontAt = [&](std::size_t index) {
        return TextFormatting::fontOf(view->textStorage()->attributedString().attributesAt(index));
    };

    // The first selected character is bold: the whole selection loses it.
    view->userSelect({1, 2});
    view->userToggleBold();
    EXPECT_FALSE(fontAt(1).isBold());
    EXPECT_FALSE(fontAt(2).isBold());
    EXPECT_TRUE(fontAt(0).isBold());
    view->userToggleBold();
    EXPECT_TRUE(fontAt(2).isBold());
    EXPECT_EQ(fontAt(2).family(), u"Helvetica"); // text without a font is in the default

    view->userSetFontSize(18);
    view->userSetTextColor({255, 0, 0});
    view->userToggleUnderline();
    const auto& changed = view->textStorage()->attributedString().attributesAt(1);
    EXPECT_EQ(fontAt(1), Font(u"Times", 18, true));
    EXPECT_EQ(changed.foregroundColor, (Color{255, 0, 0}));
    EXPECT_TRUE(changed.underline);
    EXPECT_FALSE(view->textStorage()->attributedString().attributesAt(3).underline);

    // Alignment takes the whole paragraph of the insertion point.
    view->userSelect({1, 0});
    view->userSetAlignment(TextAlignment::Center);
    for (std::size_t index : {0u, 4u}) {
        const auto& style = view->textStorage()->attributedString().attributesAt(index);
        ASSERT_TRUE(style.paragraphStyle);
        EXPECT_EQ(style.paragraphStyle->alignment, TextAlignment::Center);
    }
    EXPECT_FALSE(view->textStorage()->attributedString().attributesAt(5).paragraphStyle);

    // An insertion point changes what is typed next.
    view->userSelect({7, 0});
    view->userSetFontFamily(u"Courier");
    view->userTypeText(u"g");
    EXPECT_EQ(fontAt(7).family(), u"Courier");
    EXPECT_EQ(fontAt(6).family(), u"Helvetica");
}

TEST_F(TextViewTest, FormattingHonoursTheFontPanelAndRichTextOptions) {
    view->replaceCharactersInRange({0, 0}, u"note");
    view->userSelect({0, 4});
    view->setUsesFontPanel(false);
    view->userToggleBold();
    view->userSetFontFamily(u"Courier");
    view->userSetTextColor({1, 2, 3});
    EXPECT_EQ(view->textStorage()->attributedString().attributesAt(0), TextAttributes());
    view->userToggleUnderline(); // a text action, not the font panel's
    EXPECT_TRUE(view->textStorage()->attributedString().attributesAt(0).underline);

    const auto plain = std::make_shared<TextView>();
    plain->setRichText(false);
    plain->replaceCharactersInRange({0, 0}, u"plain");
    plain->userSelect({0, 5});
    plain->userToggleUnderline();
    plain->userPasteRTF(RTFWriter::write(AttributedString(u"bold", inFont(u"Times", 9, true))));
    EXPECT_EQ(plain->textStorage()->attributedString(), AttributedString(u"bold"));
}

TEST_F(TextViewTest, RTFTravelsThroughTheViewUnchanged) {
    const TextAttributes bold = inFont(u"Times", 10, true);
    AttributedString text(u"plain ");
    text.replaceCharacters({6, 0}, AttributedString(u"bold", bold));
    text.replaceCharacters({10, 0}, AttributedString(u" \u00E9t\u00E9"));
    view->textStorage()->setAttributedString(text);

    const auto other = std::make_shared<TextView>();
    other->replaceCharactersInRange({0, 0}, u"[]");
    ASSERT_TRUE(other->replaceCharactersInRangeWithRTF({1, 0}, view->RTFFromRange({4, 8})));
    EXPECT_EQ(other->textStorage()->attributedString().attributedSubstring({1, 8}),
              text.attributedSubstring({4, 8}));
    EXPECT_EQ(other->string(), u"[n bold \u00E9]");
    EXPECT_EQ(other->selectedRange(), (Range{10, 0})); // after what went in at the caret

    EXPECT_FALSE(other->replaceCharactersInRangeWithRTF({0, 2}, dataFromBytes("not rtf")));
    EXPECT_FALSE(other->replaceCharactersInRangeWithRTFD({0, 2}, dataFromBytes("not rtfd")));
    EXPECT_EQ(other->string(), u"[n bold \u00E9]");
}

class RTFDFiles : public TextViewTest {
protected:
    testsupport::ScratchFolder scratchFolder;
    const fs::path& folder = scratchFolder.path();
};

TEST_F(RTFDFiles, APackageTravelsThroughFilesAndDataWithItsAttachments) {
    const fs::path sample = fs::path(SEALSCRIBE_TEST_DATA) / "rtf" / "textedit-image.rtfd";
    const auto scratch = std::make_shared<Text>();
    ASSERT_TRUE(scratch->readRTFDFromFile(utf16(sample)));
    scratch->selectAll(nullptr);
    const Data rtfd = scratch->RTFDFromRange(scratch->selectedRange());

    view->replaceCharactersInRange({0, 0}, u"<>");
    view->setSelectedRange({1, 0});
    ASSERT_TRUE(view->replaceCharactersInRangeWithRTFD(view->selectedRange(), rtfd));
    const auto& body = view->textStorage()->attributedString();
    EXPECT_EQ(body.attributedSubstring({1, scratch->textStorage()->length()}),
              scratch->textStorage()->attributedString());
    const auto picture = body.string().find(u'\uFFFC');
    ASSERT_NE(picture, String::npos);
    ASSERT_TRUE(body.attributesAt(picture).attachment);
    EXPECT_EQ(body.attributesAt(picture).attachment->fileName(), u"Pasted Graphic.png");

    const fs::path exported = folder / "export.rtfd";
    ASSERT_TRUE(view->writeRTFDToFile(utf16(exported), true).has_value());
    const auto reread = std::make_shared<Text>();
    ASSERT_TRUE(reread->readRTFDFromFile(utf16(exported)));
    EXPECT_EQ(reread->textStorage()->attributedString(), body);
}

TEST_F(RTFDFiles, ReadingTakesAnRTFFileAndRefusesWhatIsNeither) {
    const auto scratch = std::make_shared<Text>();
    scratch->replaceCharactersInRange({0, 0}, u"before");
    const fs::path rtf = folder / "plain.rtf";
    std::ofstream(rtf, std::ios::binary) << "{\\rtf1\\ansi read}";
    std::ofstream(folder / "junk.rtf", std::ios::binary) << "no rtf";
    fs::create_directory(folder / "empty.rtfd");
    fs::create_directory(folder / "piped.rtfd");
    std::ofstream(folder / "piped.rtfd" / "TXT.rtf", std::ios::binary) << "{\\rtf1 x}";
    // No writers: a blocking open would wait for ever.
    ASSERT_EQ(mkfifo((folder / "pipe.rtf").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo((folder / "piped.rtfd" / "pipe").c_str(), 0600), 0);
    std::ofstream(folder / "big.rtf", std::ios::binary) << "{\\rtf1 ";
    fs::resize_file(folder / "big.rtf", FileReader::importLimit + 1);

    const struct {
        String path;
        String reason;
    } cases[] = {
        {utf16(folder / "junk.rtf"), u"\u201Cjunk.rtf\u201D is not RTF."},
        {utf16(folder / "missing.rtfd"), u"No such file or directory"},
        {utf16(folder / "empty.rtfd"), u"The RTFD package \u201Cempty.rtfd\u201D has no TXT.rtf."},
        {utf16(folder / "pipe.rtf"), u"\u201Cpipe.rtf\u201D is not a regular file."},
        {utf16(folder / "piped.rtfd"),
         u"\u201Cpipe\u201D in \u201Cpiped.rtfd\u201D is not a regular file."},
        {u"/dev/zero", u"\u201Czero\u201D is not a regular file."},
        {utf16(folder / "big.rtf"), u"\u201Cbig.rtf\u201D is larger than 64 MiB."},
        {u"\xD800", u"The file name cannot be used on this system."},
    };
    for (const auto& [path, reason] : cases) {
        const auto read = scratch->readRTFDFromFile(path);
        ASSERT_FALSE(read) << toUtf8Lossy(path);
        EXPECT_EQ(read.error().message, reason);
    }
    EXPECT_EQ(scratch->string(), u"before");

    ASSERT_TRUE(scratch->readRTFDFromFile(utf16(rtf)));
    EXPECT_EQ(scratch->string(), u"read");
    EXPECT_FALSE(scratch->writeRTFDToFile(utf16(rtf / "inside-a-file.rtfd"), true).has_value());
}

TEST_F(TextViewTest, PrintAsksThePrintPanelForTheView) {
    std::vector<std::shared_ptr<PrintOperation>> shown;
    PrintOperation::setPresenter([&](const auto& operation) { shown.push_back(operation); });
    window->makeFirstResponder(view);

    EXPECT_TRUE(window->firstResponder()->tryToPerform(u"print:", nullptr));
    PrintOperation::setPresenter({});
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]->view(), view);
}

TEST_F(TextViewTest, OptionsAreObservable) {
    std::vector<String> heard;
    std::vector<Observation> observations;
    for (const char16_t* key : {u"rulerVisible", u"continuousSpellCheckingEnabled",
                                u"usesAdaptiveColorMappingForDarkAppearance", u"usesRuler",
                                u"usesFontPanel", u"editable"})
        observations.push_back(
            view->addObserver(key, [&heard, key](const Value&) { heard.push_back(key); }));

    view->setRulerVisible(true);
    view->setContinuousSpellCheckingEnabled(true);
    view->setUsesAdaptiveColorMappingForDarkAppearance(true);
    view->setUsesRuler(false);
    view->setUsesFontPanel(false);
    view->setValueForKey(Value(Number::boolean(false)), u"editable");

    EXPECT_TRUE(view->isRulerVisible());
    EXPECT_TRUE(view->isContinuousSpellCheckingEnabled());
    EXPECT_TRUE(view->usesAdaptiveColorMappingForDarkAppearance());
    EXPECT_FALSE(view->usesRuler());
    EXPECT_FALSE(view->usesFontPanel());
    EXPECT_FALSE(view->isEditable());
    EXPECT_EQ(heard.size(), 6u);

    // Editable implies selectable.
    view->setSelectable(false);
    view->setEditable(true);
    EXPECT_TRUE(view->isSelectable());
    view->setSelectable(false);
    EXPECT_FALSE(view->isEditable());
}

} // namespace
