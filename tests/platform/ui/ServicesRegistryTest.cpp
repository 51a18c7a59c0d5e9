#include "platform/ui/ServicesRegistry.h"

#include "platform/ui/Environment.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/ServicesProvider.h"

#include <gtest/gtest.h>

using platform::Pasteboard;
using platform::ServicesProvider;
using platform::ServicesRegistry;
using platform::String;
using platform::Value;

namespace {

const String message = u"doCreateDocWithText:userData:error:";

// Makes a note of the text it was given, or fails as the program's provider does.
class TextProvider : public ServicesProvider {
public:
    explicit TextProvider(ServicesRegistry& registry) {
        exposeService(message,
                      [this](Pasteboard& pboard, const Value& given, std::optional<String>& error) {
                          userData = given;
                          if (const auto text = pboard.stringForType(Pasteboard::stringType))
                              texts.push_back(*text);
                          else
                              error = u"Error: Pasteboard doesn't contain a string.";
                      });
        // From the constructor, as the application delegate registers itself.
        registry.registerServicesProvider(*this, u"Sealscribe");
    }

    std::vector<String> texts;
    Value userData;
};

TEST(ServicesRegistry, RequestReachesTheProviderWithItsPasteboard) {
    ServicesRegistry registry;
    TextProvider provider(registry);
    Pasteboard pboard;
    ASSERT_TRUE(pboard.setString(u"abc", Pasteboard::stringType));

    const auto outcome = registry.performService(u"Sealscribe", message, pboard, u"data");
    EXPECT_TRUE(outcome.delivered);
    EXPECT_EQ(outcome.error, std::nullopt);
    EXPECT_EQ(provider.texts, std::vector<String>{u"abc"});
    EXPECT_EQ(provider.userData, Value(u"data"));
}

TEST(ServicesRegistry, ProvidersErrorTextIsHandedBack) {
    ServicesRegistry registry;
    TextProvider provider(registry);
    Pasteboard imageOnly;
    imageOnly.setData({0x89, 'P', 'N', 'G'}, u"public.png");

    const auto outcome = registry.performService(u"Sealscribe", message, imageOnly);
    EXPECT_TRUE(outcome.delivered);
    EXPECT_EQ(outcome.error, u"Error: Pasteboard doesn't contain a string.");
    EXPECT_TRUE(provider.texts.empty());
}

TEST(ServicesRegistry, UndeliverableRequestsSayWhy) {
    ServicesRegistry registry;
    Pasteboard pboard;
    { TextProvider gone(registry); }
    TextProvider other(registry);
    registry.registerServicesProvider(other, u"Other");

    struct Case {
        const char16_t* provider;
        String message;
    };
    for (const auto& [providerName, request] :
         {Case{u"Nobody", message}, Case{u"Other", u"doSomethingElse:userData:error:"}}) {
        const auto outcome = registry.performService(providerName, request, pboard);
        EXPECT_FALSE(outcome.delivered);
        EXPECT_TRUE(outcome.error && !outcome.error->empty());
    }
}

TEST(ServicesRegistry, ProviderThatHasGoneNoLongerAnswers) {
    ServicesRegistry registry;
    Pasteboard pboard;
    auto provider = std::make_unique<TextProvider>(registry);
    provider.reset();
    const auto outcome = registry.performService(u"Sealscribe", message, pboard);
    EXPECT_FALSE(outcome.delivered);
    EXPECT_TRUE(outcome.error.has_value());
}

TEST(ServicesRegistry, SharedRegistryTakesTheApplicationsProvider) {
    platform::Environment environment;
    class Shared : public ServicesProvider {
    public:
        Shared() {
            exposeService(message,
                          [this](Pasteboard&, const Value&, std::optional<String>&) { ++calls; });
            platform::registerServicesProvider(*this, u"SharedTest");
        }
        int calls = 0;
    } provider;
    Pasteboard pboard;
    EXPECT_TRUE(
        ServicesRegistry::shared().performService(u"SharedTest", message, pboard).delivered);
    EXPECT_EQ(provider.calls, 1);
}

} // namespace
