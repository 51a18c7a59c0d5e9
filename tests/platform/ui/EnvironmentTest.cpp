#include "platform/ui/Environment.h"

#include "platform/base/UserDefaults.h"
#include "platform/system/Workspace.h"
#include "platform/ui/Application.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace platform;

TEST(Environment, TheLastBuiltIsCurrentAndEndingItEndsWhatItHeld) {
    const testsupport::ScratchFolder folder;
    Environment outer{folder / "outer"};
    const auto application = Application::sharedApplication();
    const auto workspace = Workspace::sharedWorkspace();
    std::weak_ptr<Application> innerApplication;
    std::weak_ptr<UserDefaults> innerSettings;
    {
        Environment inner{folder / "inner"};
        innerApplication = Application::sharedApplication();
        innerSettings = UserDefaults::standardUserDefaults();
        EXPECT_NE(innerApplication.lock(), application);
        EXPECT_NE(Workspace::sharedWorkspace(), workspace) << "the layers below follow";
        innerSettings.lock()->setBool(true, u"StartWithRuler");
        EXPECT_TRUE(innerSettings.lock()->synchronize());
        EXPECT_TRUE(std::filesystem::exists(folder / "inner" / UserDefaults::settingsFileName));
    }
    EXPECT_FALSE(innerApplication.lock());
    EXPECT_FALSE(innerSettings.lock());
    EXPECT_EQ(Application::sharedApplication(), application);
    EXPECT_EQ(Workspace::sharedWorkspace(), workspace);
    EXPECT_FALSE(UserDefaults::standardUserDefaults()->boolForKey(u"StartWithRuler"));
}
