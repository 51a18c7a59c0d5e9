#include "CountingTextDelegate.h"
#include "UiTest.h"
#include "platform/text/RTFReader.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"

#include <functional>
#include <memory>
#include <vector>

using namespace platform;

namespace {

// Three paragraphs; the first two are centred, the last has no style.
class RulerFormattingTest : public uitest::UiTest {
protected:
    RulerFormattingTest() {
        TextAttributes centred;
        auto style = std::make_shared<ParagraphStyle>();
        style->alignment = TextAlignment::Center;
        style->tabStops = {720};
        centred.paragraphStyle = style;
        AttributedString body(u"one\ntwo\n", centred);
        body.append(u"three", std::make_shared<const TextAttributes>());
        view->textStorage()->setAttributedString(body);
        window->setContentView(view);
        view->setDelegate(delegate);
    }

    [[nodiscard]] ParagraphStyle styleAt(std::size_t index) const {
        const auto& style =
            view->textStorage()->attributedString().attributesAt(index).paragraphStyle;
        return style ? *style : ParagraphStyle();
    }

    std::shared_ptr<Window> window = shownWindow();
    std::shared_ptr<TextView> view = std::make_shared<TextView>();
    std::shared_ptr<uitest::CountingTextDelegate> delegate =
        std::make_shared<uitest::CountingTextDelegate>();
};

struct RulerChange {
    const char* name;
    std::function<void(Text&)> apply;
    std::function<void(ParagraphStyle&)> expect;
};

const std::vector<RulerChange> rulerChanges = {
    {"first line", [](Text& text) { text.userSetFirstLineIndent(-360); },
     [](ParagraphStyle& style) { style.firstLineIndent = -360; }},
    {"left", [](Text& text) { text.userSetLeftIndent(1440); },
     [](ParagraphStyle& style) { style.leftIndent = 1440; }},
    {"right", [](Text& text) { text.userSetRightIndent(567); },
     [](ParagraphStyle& style) { style.rightIndent = 567; }},
    {"tab stops",
     [](Text& text) {
         text.userSetTabStops({200, 2880});
     },
     [](ParagraphStyle& style) {
         style.tabStops = {200, 2880};
     }},
};

TEST_F(RulerFormattingTest, EachChangeTakesTheWholeParagraphsOfTheSelectionAndKeepsTheRest) {
    for (const auto& change : rulerChanges) {
        SCOPED_TRACE(change.name);
        const ParagraphStyle before = styleAt(0);
        const ParagraphStyle untouched = styleAt(8);
        const int told = delegate->changes;

        view->userSelect({2, 3}); // from inside "one" into "two"
        change.apply(*view);

        ParagraphStyle expected = before;
        change.expect(expected);
        for (std::size_t index = 0; index < 8; ++index)
            EXPECT_EQ(styleAt(index), expected) << index;
        EXPECT_EQ(styleAt(8), untouched);
        EXPECT_EQ(view->paragraphStyleAtSelection(), expected);
        EXPECT_EQ(delegate->changes, told + 1);

        // Back to the centred style with one tab, for the next change.
        view->userSelect({0, 8});
        view->userSetFirstLineIndent(0);
        view->userSetLeftIndent(0);
        view->userSetRightIndent(0);
        view->userSetTabStops({720});
    }
}

TEST_F(RulerFormattingTest, ATextTheUserMayNotFormatRefusesTheRuler) {
    const AttributedString before = view->textStorage()->attributedString();
    const auto refuse = [&] {
        view->setSelectedRange({0, 3});
        for (const auto& change : rulerChanges)
            change.apply(*view);
        EXPECT_EQ(view->textStorage()->attributedString(), before);
        EXPECT_EQ(delegate->changes, 0);
    };
    view->setEditable(false);
    refuse();
    view->setEditable(true);
    view->setRichText(false);
    refuse();
}

TEST_F(RulerFormattingTest, TheStyleAtTheSelectionIsThatOfItsParagraphOrOfWhatIsTypedNext) {
    view->setSelectedRange({6, 0}); // in "two"
    EXPECT_EQ(view->paragraphStyleAtSelection(), styleAt(0));
    view->setSelectedRange({8, 2}); // "three", without a style
    EXPECT_EQ(view->paragraphStyleAtSelection(), ParagraphStyle());

    // An empty last paragraph has no character to change: what is typed there takes it.
    view->textStorage()->replaceCharactersInRange({13, 0}, String(u"\n"));
    view->userSelect({14, 0});
    view->userSetLeftIndent(720);
    EXPECT_EQ(delegate->changes, 0);
    EXPECT_EQ(view->paragraphStyleAtSelection().leftIndent, 720);
    view->userTypeText(u"four");
    EXPECT_EQ(styleAt(14).leftIndent, 720);
    EXPECT_EQ(styleAt(13).leftIndent, 0);

    const auto empty = std::make_shared<Text>();
    EXPECT_EQ(empty->paragraphStyleAtSelection(), ParagraphStyle());
}

TEST_F(RulerFormattingTest, TheRulersLengthsTravelThroughRTF) {
    view->userSelect({0, 0});
    view->userSetFirstLineIndent(-360);
    view->userSetLeftIndent(1080);
    view->userSetRightIndent(567);
    view->userSetTabStops({1080, 2160, 4321});
    view->userSelect({10, 0});
    view->userSetTabStops({100});

    const Data rtf = view->RTFFromRange({0, view->textStorage()->length()});
    const auto read = RTFReader::read(bytesOf(rtf));
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, view->textStorage()->attributedString());
    const auto& first = read->attributesAt(0).paragraphStyle;
    ASSERT_TRUE(first);
    EXPECT_EQ(first->firstLineIndent, -360);
    EXPECT_EQ(first->tabStops, (std::vector<std::int32_t>{1080, 2160, 4321}));
}

} // namespace
