#include "platform/ui/TextViewBinding.h"

#include "CountingTextDelegate.h"
#include "UiTest.h"
#include "platform/text/RTFReader.h"
#include "platform/text/RTFWriter.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TextDelegate.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"

using namespace platform;

namespace {

Data rtf(const String& text, const TextAttributes& attributes = {}) {
    return RTFWriter::write(AttributedString(text, attributes));
}

TextAttributes underlined() {
    TextAttributes attributes;
    attributes.underline = true;
    return attributes;
}

String textOf(const Value& body) {
    const auto* data = body.data();
    if (!data)
        return u"<none>";
    const auto text = RTFReader::read(bytesOf(*data));
    return text ? text->string() : u"<no rtf>";
}

// A document's keys as the program holds them: a body whose getter reads its member.
class Owner : public Object {
public:
    [[nodiscard]] std::optional<Data> myTextViewData() const { return body_.get(); }
    void setMyTextViewData(std::optional<Data> body) {
        ++writes;
        body_.set(std::move(body));
    }
    void setNote(String note) {
        ++noteWrites;
        note_.set(std::move(note));
    }

    int writes = 0;
    int noteWrites = 0;

private:
    Property<std::optional<Data>> body_{*this, u"myTextViewData", std::nullopt,
                                        &Owner::setMyTextViewData};
    Property<Value> editable_{*this, u"myIsEditable", {}, KeyAccess::ReadWrite};
    Property<String> note_{*this, u"myPublicTextData", {}, &Owner::setNote};
};

using CountingDelegate = uitest::CountingTextDelegate;

class TextViewBindingTest : public uitest::UiTest {
protected:
    TextViewBindingTest() {
        window->setContentView(std::make_shared<View>());
        window->contentView()->addSubview(scroll);
        scroll->setDocumentView(view);
    }

    std::unique_ptr<Binding> bindBody() {
        auto binding = TextViewBinding::bind(view, u"data", owner, u"myTextViewData");
        EXPECT_TRUE(binding);
        return binding;
    }

    void type(const String& keys) {
        for (char16_t key : keys)
            view->userTypeText(String(1, key));
    }

    void endEditing() { ASSERT_TRUE(window->makeFirstResponder(scroll)); }

    std::shared_ptr<Window> window = shownWindow();
    std::shared_ptr<ScrollView> scroll = std::make_shared<ScrollView>();
    std::shared_ptr<TextView> view = std::make_shared<TextView>();
    std::shared_ptr<Owner> owner = std::make_shared<Owner>();
};

TEST_F(TextViewBindingTest, TheViewShowsEachNewValueOfTheKey) {
    owner->setMyTextViewData(rtf(u"first", underlined()));
    const auto binding = bindBody();
    EXPECT_EQ(view->textStorage()->attributedString(), AttributedString(u"first", underlined()));

    view->setSelectedRange({3, 0});
    owner->setMyTextViewData(rtf(u"second"));
    EXPECT_EQ(view->string(), u"second");
    EXPECT_EQ(view->selectedRange(), (Range{0, 0}));
    owner->setMyTextViewData(std::nullopt);
    EXPECT_EQ(view->string(), u"");
    EXPECT_EQ(owner->writes, 3); // the view wrote nothing back
}

TEST_F(TextViewBindingTest, TypingIsNotWrittenPerKeystrokeButEveryReadSeesTheLastOne) {
    owner->setMyTextViewData(rtf(u"body"));
    const auto binding = bindBody();
    std::vector<String> heard;
    const auto observation = owner->addObserver(
        u"myTextViewData", [&heard](const Value& body) { heard.push_back(textOf(body)); });
    view->setSelectedRange({4, 0});

    type(u" one");
    EXPECT_EQ(owner->writes, 1);
    EXPECT_EQ(textOf(owner->valueForKey(u"myTextViewData")), u"body one");
    EXPECT_EQ(owner->writes, 2);
    EXPECT_EQ(window->firstResponder(), view); // still being edited

    type(u"!");
    EXPECT_EQ(textOf(Value(owner->myTextViewData())), u"body one!"); // the C++ getter
    EXPECT_EQ(textOf(owner->valueForKeyPath(u"myTextViewData")), u"body one!");
    EXPECT_EQ(owner->writes, 3);
    EXPECT_EQ(heard, (std::vector<String>{u"body one", u"body one!"}));
}

TEST_F(TextViewBindingTest, EndOfEditingWritesOnceWithoutReloadingTheView) {
    const auto binding = bindBody();
    type(u"abc");
    std::vector<TextChange> changes;
    const auto log = view->textStorage()->observeEdits(
        [&changes](const TextChange& change) { changes.push_back(change); });

    endEditing();
    EXPECT_EQ(owner->writes, 1);
    EXPECT_EQ(textOf(owner->valueForKey(u"myTextViewData")), u"abc");
    EXPECT_TRUE(changes.empty()); // the write did not come back as a new content

    ASSERT_TRUE(window->makeFirstResponder(view));
    endEditing();
    (void)owner->myTextViewData();
    EXPECT_EQ(owner->writes, 1);
}

TEST_F(TextViewBindingTest, ANewValueOfTheKeyWinsOverAnEditNotYetHandedBack) {
    owner->setMyTextViewData(rtf(u"old"));
    const auto binding = bindBody();
    std::vector<String> heard;
    const auto observation = owner->addObserver(
        u"myTextViewData", [&heard](const Value& body) { heard.push_back(textOf(body)); });
    type(u"typed ");

    owner->setMyTextViewData(rtf(u"unlocked"));
    EXPECT_EQ(view->string(), u"unlocked");
    EXPECT_EQ(textOf(owner->valueForKey(u"myTextViewData")), u"unlocked");
    endEditing();
    EXPECT_EQ(textOf(owner->valueForKey(u"myTextViewData")), u"unlocked");
    EXPECT_EQ(owner->writes, 2);
    EXPECT_EQ(heard, std::vector<String>{u"unlocked"});
}

TEST_F(TextViewBindingTest, TheProgramsEditsOfTheViewReachTheKeyToo) {
    owner->setMyTextViewData(rtf(u"body"));
    const auto binding = bindBody();

    // An import at the insertion point.
    view->replaceCharactersInRange(view->selectedRange(), u"imported ");
    view->didChangeText();
    EXPECT_EQ(textOf(owner->valueForKey(u"myTextViewData")), u"imported body");

    // Restyling the storage itself, as a conversion to plain text does.
    TextAttributes plain;
    plain.font = Font(u"Times", 14);
    view->textStorage()->setAttributes(plain, {0, view->textStorage()->length()});
    const auto body = RTFReader::read(bytesOf(owner->myTextViewData().value()));
    ASSERT_TRUE(body);
    EXPECT_EQ(*body, AttributedString(u"imported body", plain));
    EXPECT_EQ(owner->writes, 3);
}

TEST_F(TextViewBindingTest, ABodyThatIsNoRTFStaysInTheKeyUntilTheUserEdits) {
    owner->setMyTextViewData(dataFromBytes("damaged"));
    const auto binding = bindBody();
    EXPECT_EQ(view->string(), u"");
    EXPECT_EQ(owner->myTextViewData(), dataFromBytes("damaged"));
    EXPECT_EQ(owner->writes, 1);
}

TEST_F(TextViewBindingTest, EditsAreNoLongerHandedBackOnceTheBindingHasEnded) {
    auto binding = bindBody();
    type(u"x");
    binding.reset();
    EXPECT_EQ(owner->myTextViewData(), std::nullopt);
    endEditing();
    EXPECT_EQ(owner->writes, 0);

    EXPECT_FALSE(TextViewBinding::bind(view, u"data", nullptr, u"myTextViewData"));
    EXPECT_FALSE(TextViewBinding::bind(view, u"noSuchBinding", owner, u"myTextViewData"));
}

TEST_F(TextViewBindingTest, TheEditableStateFollowsItsKey) {
    owner->setValueForKey(Value(Number::boolean(false)), u"myIsEditable");
    const auto binding = TextViewBinding::bind(view, u"editable", owner, u"myIsEditable");
    ASSERT_TRUE(binding);
    EXPECT_FALSE(view->isEditable());
    view->userTypeText(u"refused");
    EXPECT_EQ(view->string(), u"");

    owner->setValueForKey(Value(Number::boolean(true)), u"myIsEditable");
    EXPECT_TRUE(view->isEditable());
    owner->setValueForKey(Value(), u"myIsEditable");
    EXPECT_FALSE(view->isEditable());
}

TEST_F(TextViewBindingTest, APublicNoteIsBoundAsAPlainString) {
    const auto note = std::make_shared<TextView>();
    scroll->setDocumentView(note);
    const auto delegate = std::make_shared<CountingDelegate>();
    note->setDelegate(delegate);
    owner->setValueForKey(Value(u"public"), u"myPublicTextData");
    const auto binding = TextViewBinding::bind(note, u"value", owner, u"myPublicTextData");
    ASSERT_TRUE(binding);
    EXPECT_EQ(note->string(), u"public");
    EXPECT_EQ(delegate->changes, 0); // showing the key is no edit

    note->setSelectedRange({6, 0});
    note->userTypeText(u"!");
    note->userTypeText(u"?");
    note->userDeleteBackward();
    EXPECT_EQ(delegate->changes, 3);
    EXPECT_EQ(owner->noteWrites, 1);

    endEditing();
    EXPECT_EQ(delegate->ends, 1);
    EXPECT_EQ(owner->noteWrites, 2);
    EXPECT_EQ(owner->valueForKey(u"myPublicTextData"), Value(u"public!"));
}

} // namespace
