#include "platform/base/UserDefaultsController.h"

#include "platform/base/BaseEnvironment.h"
#include "support/ScratchFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

class UserDefaultsControllerTest : public testing::Test {
protected:
    void SetUp() override {
        store = std::make_shared<UserDefaults>(
            folder.path(), [](const String&) {}, std::chrono::hours(24));
        controller = std::make_shared<UserDefaultsController>(store);
    }
    void TearDown() override {
        controller.reset();
        store.reset();
    }

    testsupport::ScratchFolder folder;
    std::shared_ptr<UserDefaults> store;
    std::shared_ptr<UserDefaultsController> controller;
};

} // namespace

TEST_F(UserDefaultsControllerTest, ValuesAreTheStoresElseTheInitialValues) {
    const Dictionary initial{{u"StartupActionTag", Value(Number::int32(0))},
                             {u"StartupFontFamily", Value(u"Helvetica")},
                             {u"onlyInitial", Value(u"initial")}};
    controller->setInitialValues(initial);
    store->registerDefaults({{u"StartupFontFamily", Value(u"Registered")}});
    EXPECT_EQ(controller->initialValues(), initial);

    const auto values = controller->values();
    EXPECT_EQ(values->valueForKey(u"StartupActionTag"), Value(Number::int32(0)));
    EXPECT_EQ(values->valueForKey(u"StartupFontFamily"), Value(u"Registered"));
    EXPECT_EQ(values->valueForKey(u"onlyInitial"), Value(u"initial"));
    EXPECT_TRUE(values->valueForKey(u"unknown").isNone());
    EXPECT_TRUE(store->objectForKey(u"onlyInitial").isNone()) << "initial values stay here";

    store->setInteger(3, u"StartupActionTag");
    EXPECT_EQ(values->valueForKey(u"StartupActionTag").intValue(), 3);
    values->setValueForKey(Value(u"Courier"), u"StartupFontFamily");
    EXPECT_EQ(store->stringForKey(u"StartupFontFamily"), u"Courier");
}

TEST_F(UserDefaultsControllerTest, KeyPathThroughValuesReachesTheStore) {
    store->registerDefaults({{u"StartupActionTag", Value(Number::int32(0))}});
    EXPECT_EQ(controller->valueForKeyPath(u"values.StartupActionTag"), Value(Number::int32(0)));

    controller->setValueForKeyPath(Value(Number::int32(2)), u"values.StartupActionTag");
    EXPECT_EQ(store->integerForKey(u"StartupActionTag"), 2);
    EXPECT_EQ(controller->valueForKeyPath(u"values.StartupActionTag").intValue(), 2);
}

TEST_F(UserDefaultsControllerTest, ObserversOfValuesFollowEveryChangeOfTheirKey) {
    controller->setInitialValues({{u"StartupFontSize", Value(Number::float32(12.0f))}});
    const auto values = controller->values();
    std::vector<Value> seen;
    auto observation =
        values->addObserver(u"StartupFontSize", [&](const Value& v) { seen.push_back(v); });
    int otherKey = 0;
    auto other = values->addObserver(u"StartWithRuler", [&](const Value&) { ++otherKey; });

    values->setValueForKey(Value(Number::float32(14.0f)), u"StartupFontSize");
    store->setFloat(16.0f, u"StartupFontSize");
    store->setValueForKey(Value(Number::float32(18.0f)), u"StartupFontSize");
    store->removeObjectForKey(u"StartupFontSize");
    // Initial values show only while the store holds nothing for the key.
    controller->setInitialValues({{u"StartupFontSize", Value(Number::float32(10.0f))}});
    store->setFloat(8.0f, u"StartupFontSize");
    controller->setInitialValues({{u"StartupFontSize", Value(Number::float32(9.0f))}});
    controller->setInitialValues({});
    store->removeObjectForKey(u"StartupFontSize");

    const std::vector<Value> expected{Value(Number::float32(14.0f)),
                                      Value(Number::float32(16.0f)),
                                      Value(Number::float32(18.0f)),
                                      Value(Number::float32(12.0f)),
                                      Value(Number::float32(10.0f)),
                                      Value(Number::float32(8.0f)),
                                      Value()};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(otherKey, 0);
}

TEST_F(UserDefaultsControllerTest, ValuesOutliveTheirController) {
    const auto values = controller->values();
    int told = 0;
    auto observation = values->addObserver(u"key", [&](const Value&) { ++told; });
    controller.reset();
    store->setBool(true, u"key");
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(values->valueForKey(u"key").boolValue());
}

TEST(StandardUserDefaults, LiveInTheUsersConfigFolder) {
    // The environment's standard store is made at its first use, in the folder as it is then.
    platform::BaseEnvironment environment;
    const fs::path config =
        fs::temp_directory_path() / ("standard-defaults-" + std::to_string(::getpid()));
    const std::string configText = config.string();
    ::setenv("XDG_CONFIG_HOME", configText.c_str(), 1);
    EXPECT_EQ(UserDefaults::standardSettingsFolder(), config / "Sealscribe");

    // Relative and empty values are no valid base folders and are ignored.
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", "/home/someone", 1);
    for (const char* ignored : {"relative/config", ""}) {
        ::setenv("XDG_CONFIG_HOME", ignored, 1);
        EXPECT_EQ(UserDefaults::standardSettingsFolder(), "/home/someone/.config/Sealscribe");
    }
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", configText.c_str(), 1);

    const auto shared = UserDefaultsController::sharedUserDefaultsController();
    EXPECT_EQ(shared, UserDefaultsController::sharedUserDefaultsController());
    shared->values()->setValueForKey(Value(Number::int32(1)), u"StartupActionTag");
    EXPECT_EQ(UserDefaults::standardUserDefaults()->integerForKey(u"StartupActionTag"), 1);
    EXPECT_TRUE(UserDefaults::standardUserDefaults()->synchronize());
    EXPECT_TRUE(fs::exists(config / "Sealscribe" / UserDefaults::settingsFileName));
    std::error_code ignored;
    fs::remove_all(config, ignored);
}
