#include "ProgramModelTest.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/ServicesRegistry.h"
#include "platform/ui/ValueTransformer.h"
#include "support/TransformedValueText.h"

#include <cmath>
#include <limits>

namespace interfacetest {
namespace {

using platform::Number;

class StartupSettingsTest : public ProgramModelTest {};

TEST_F(StartupSettingsTest, AFreshStoreReadsEveryDefaultInItsKind) {
    launch();
    const std::pair<const char16_t*, const char*> defaults[] = {
        {u"notifyUpdate", "bool YES"},
        {u"lastVersionUsedToUpdatePref", "int 0"},
        {u"haveSelectedPrefForCheckForUpdate", "bool NO"},
        {u"userPrefForCheckForUpdate", "int 0"},
        {u"StartupActionTag", "int 0"},
        {u"StartupSelectedDoc", "string \"\""},
        {u"StartupFontFamily", "string \"Helvetica\""},
        {u"StartupFontSize", "float 12"},
        {u"PublicNoteFontFamily", "string \"Helvetica\""},
        {u"PublicNoteFontSize", "float 12"},
        {u"PublicNoteFontBold", "bool NO"},
        {u"PublicNoteFontItalic", "bool NO"},
        {u"StartWithRuler", "bool NO"},
        {u"StartWithSpelling", "bool YES"},
        {u"autolocBackgroundEnabled", "bool NO"},
        {u"autolocBackgroundInterval", "int 120"},
        {u"StartupSelectedDocBookmark", "none"},
        {u"lastCheckDateForUpdate", "none"},
    };
    for (const auto& [key, expected] : defaults) {
        SCOPED_TRACE(platform::toUtf8Lossy(key));
        EXPECT_EQ(transformedValueText(store()->objectForKey(key)), expected);
        EXPECT_EQ(transformedValueText(setting(key)), expected);
    }
}

TEST_F(StartupSettingsTest, TheUsersValueWinsUntilItIsRemoved) {
    launch();
    store()->setInteger(2, u"StartupActionTag");
    EXPECT_EQ(setting(u"StartupActionTag").intValue(), 2);
    store()->removeObjectForKey(u"StartupActionTag");
    EXPECT_EQ(transformedValueText(setting(u"StartupActionTag")), "int 0");
}

// What the user wrote stays in the file; only its reading falls back.
TEST_F(StartupSettingsTest, AValueOfAnotherKindReadsAsTheDefaultAndStays) {
    launch();
    // The store refuses a NaN, which never reads back as itself.
    store()->setObject(Value(Number::float64(std::numeric_limits<double>::quiet_NaN())),
                       u"StartupFontSize");
    EXPECT_EQ(transformedValueText(setting(u"StartupFontSize")), "float 12");
    const double infinity = std::numeric_limits<double>::infinity();
    const std::tuple<const char16_t*, Value, const char*> cases[] = {
        {u"StartupFontSize", Value(u"large"), "float 12"},
        {u"PublicNoteFontSize", Value(Number::float64(-infinity)), "float 12"},
        {u"StartupFontFamily", Value(Number::int32(3)), "string \"Helvetica\""},
        {u"StartWithSpelling", Value(platform::Data{1, 2}), "bool YES"},
        // Any number serves where a number is read.
        {u"StartWithRuler", Value(Number::int64(1)), "other number 1"},
        {u"StartupFontSize", Value(Number::float64(14.5)), "other number 14.5"},
    };
    for (const auto& [key, stored, reads] : cases) {
        SCOPED_TRACE(reads);
        store()->setObject(stored, key);
        EXPECT_EQ(transformedValueText(setting(key)), reads);
        EXPECT_EQ(store()->objectForKey(key), stored);
    }
}

TEST_F(StartupSettingsTest, AControlsNumberIsWrittenInTheKeysKind) {
    launch();
    const auto values = platform::UserDefaultsController::sharedUserDefaultsController()->values();
    const std::tuple<const char16_t*, Value, const char*> cases[] = {
        {u"StartWithRuler", Value(Number::int64(1)), "bool YES"},
        {u"StartupActionTag", Value(Number::int64(2)), "int 2"},
        {u"StartupFontSize", Value(Number::float64(14.5)), "float 14.5"},
        {u"autolocBackgroundInterval", Value(Number::float64(45)), "int 45"},
        {u"StartupSelectedDocBookmark", Value(Number::int64(7)), "other number 7"},
    };
    for (const auto& [key, written, stored] : cases) {
        SCOPED_TRACE(stored);
        values->setValueForKey(written, key);
        EXPECT_EQ(transformedValueText(store()->objectForKey(key)), stored);
    }
}

TEST_F(StartupSettingsTest, OnlyStartupActionZeroOpensAnUntitledDocument) {
    launch();
    for (const std::int32_t tag : {0, 1, 2, 3, 4, -1}) {
        store()->setInteger(tag, u"StartupActionTag");
        EXPECT_EQ(delegate()->applicationShouldOpenUntitledFile(*application()), tag == 0) << tag;
    }
}

TEST_F(StartupSettingsTest, AChangeMadeJustBeforeQuittingIsThereAtTheNextLaunch) {
    launch();
    store()->setInteger(2, u"StartupActionTag");
    store()->setFloat(15.0f, u"StartupFontSize");
    quit();

    launch();
    EXPECT_EQ(transformedValueText(setting(u"StartupActionTag")), "int 2");
    EXPECT_EQ(transformedValueText(setting(u"StartupFontSize")), "float 15");
    EXPECT_TRUE(run_->program.controller()->documents().empty());
}

TEST_F(StartupSettingsTest, StartupActionZeroOpensAnUntitledDocumentAtLaunch) {
    launch();
    EXPECT_EQ(run_->program.controller()->documents().size(), 1u);
    EXPECT_TRUE(delegate()->finishedLaunching());
    EXPECT_FALSE(delegate()->usingAServices());
}

TEST_F(StartupSettingsTest, TheDelegateRegistersItsNamedTransformersAndServicesProvider) {
    launch();
    const auto notZero = platform::ValueTransformer::valueTransformerForName(u"valueNot0");
    ASSERT_TRUE(notZero);
    EXPECT_EQ(transformedValueText(notZero->transformedValue(Value(Number::int32(5)))), "int 1");
    const auto selected = platform::ValueTransformer::valueTransformerForName(u"valueIsOpSelDoc");
    ASSERT_TRUE(selected);
    EXPECT_EQ(transformedValueText(selected->transformedValue(Value(u"Open Selected Document"))),
              "bool YES");
    EXPECT_TRUE(platform::ValueTransformer::valueTransformerForName(u"LWValueIs3"));
    platform::Pasteboard pasteboard;
    const auto outcome = platform::ServicesRegistry::shared().performService(
        MyAppDelegate::servicesProviderName, u"noSuchService:", pasteboard);
    EXPECT_EQ(outcome.error, u"\"Sealscribe\" does not offer \"noSuchService:\".");
}

} // namespace
} // namespace interfacetest
