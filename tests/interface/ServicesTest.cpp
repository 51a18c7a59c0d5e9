#include "ProgramModelTest.h"
#include "platform/base/Data.h"
#include "platform/text/AttributedString.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/ServicesRegistry.h"
#include "platform/ui/SharedFontManager.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"

namespace interfacetest {
namespace {

using platform::Pasteboard;

const String failureText = u"Error: Pasteboard doesn't contain a string.";

// Requests of the desktop's Services, as they reach the program through its registry.
class ServicesTest : public ProgramModelTest {
protected:
    void SetUp() override {
        launch([](platform::UserDefaults& defaults) {
            defaults.setObject(Value(u"DejaVu Serif"), u"StartupFontFamily");
            defaults.setFloat(17.0f, u"StartupFontSize");
        });
        // The start-up action's document, if any, is not the one asked for.
        for (const auto& document : std::vector(documents()))
            document->close();
        loop().runUntilIdle();
    }

    platform::ServicesRegistry::Outcome request(Pasteboard& pboard) {
        auto outcome = platform::ServicesRegistry::shared().performService(
            MyAppDelegate::servicesProviderName, MyAppDelegate::createDocWithTextMessage, pboard);
        loop().runUntilIdle();
        return outcome;
    }

    [[nodiscard]] const std::vector<std::shared_ptr<platform::Document>>& documents() const {
        return run_->program.controller()->documents();
    }
};

TEST_F(ServicesTest, TextBecomesTheBodyOfANewDocumentThatAsksForItsPassword) {
    for (const String& text : {String(u"abc"), String()}) {
        SCOPED_TRACE(platform::toUtf8Lossy(text));
        Pasteboard pboard;
        ASSERT_TRUE(pboard.setString(text, Pasteboard::stringType));
        const auto outcome = request(pboard);
        EXPECT_TRUE(outcome.delivered);
        EXPECT_EQ(outcome.error, std::nullopt);
        EXPECT_TRUE(delegate()->usingAServices());
        ASSERT_EQ(documents().size(), 1u);
        const auto document = std::dynamic_pointer_cast<MyDocument>(documents().front());
        ASSERT_TRUE(document);
        EXPECT_EQ(document->myWindow()->attachedSheet(), document->mandatoryPasswordSheet());
        const auto& body = document->myTextView()->textStorage()->attributedString();
        EXPECT_EQ(body.string(), text);
        platform::TextAttributes expected;
        expected.font =
            platform::SharedFontManager::sharedFontManager()->fontWithName(u"DejaVu Serif", 17);
        ASSERT_TRUE(expected.font);
        for (std::size_t run = 0; run < body.runCount(); ++run)
            EXPECT_EQ(*body.runAttributes(run), expected);
        EXPECT_EQ(document->myTextView()->typingAttributes(), expected);
        EXPECT_TRUE(document->isDocumentEdited());
        document->close();
        loop().runUntilIdle();
    }
}

TEST_F(ServicesTest, NoPlainStringGivesTheFailureTextAndNoDocument) {
    const struct {
        const char* name;
        std::function<void(Pasteboard&)> fill;
    } cases[] = {
        {"nothing", [](Pasteboard&) {}},
        {"an image only",
         [](Pasteboard& pboard) {
             pboard.setData(platform::dataFromBytes("\x89PNG\r\n\x1a\n"), u"public.png");
         }},
        {"text of another type only",
         [](Pasteboard& pboard) { pboard.setString(u"{\\rtf1 abc}", Pasteboard::rtfType); }},
        {"bytes that are no UTF-8",
         [](Pasteboard& pboard) {
             pboard.setData(platform::dataFromBytes("ab\xff\xfe"), Pasteboard::stringType);
         }},
        {"an encoded surrogate",
         [](Pasteboard& pboard) {
             pboard.setData(platform::dataFromBytes("\xed\xa0\x80"), Pasteboard::stringType);
         }},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        Pasteboard pboard;
        row.fill(pboard);
        const auto outcome = request(pboard);
        EXPECT_TRUE(outcome.delivered);
        EXPECT_EQ(outcome.error, failureText);
        EXPECT_TRUE(documents().empty());
        EXPECT_TRUE(delegate()->usingAServices());
    }
}

// As when the program is launched to serve the request: the start-up document, which is not
// even chosen, is neither opened nor missed.
TEST_F(ServicesTest, ARequestBeforeTheStartupActionKeepsTheStartupDocumentShut) {
    launch([](platform::UserDefaults& defaults) { defaults.setInteger(3, u"StartupActionTag"); });
    for (const auto& document : std::vector(documents()))
        document->close();
    Pasteboard pboard;
    ASSERT_TRUE(pboard.setString(u"abc", Pasteboard::stringType));
    EXPECT_EQ(request(pboard).error, std::nullopt);
    loop().advance(3);
    EXPECT_EQ(documents().size(), 1u);
    EXPECT_TRUE(run_->modal->alertsShown().empty());
}

TEST_F(ServicesTest, ADocumentThatCannotBeMadeIsReported) {
    const auto programs = run_->program.controller();
    // A controller that knows no document type makes none.
    const auto empty = std::make_shared<platform::DocumentController>();
    platform::DocumentController::setSharedDocumentController(empty);
    Pasteboard pboard;
    ASSERT_TRUE(pboard.setString(u"abc", Pasteboard::stringType));
    const auto outcome = request(pboard);
    platform::DocumentController::setSharedDocumentController(programs);
    ASSERT_TRUE(outcome.error);
    EXPECT_NE(*outcome.error, failureText);
    EXPECT_FALSE(outcome.error->empty());
    EXPECT_TRUE(empty->documents().empty());
    EXPECT_TRUE(documents().empty());
}

} // namespace
} // namespace interfacetest
