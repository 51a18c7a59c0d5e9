#include "platform/ui/Bundle.h"

#include "platform/ui/Environment.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using platform::Bundle;
namespace fs = std::filesystem;

namespace {

class BundleFolder : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root_ / "resources");
        std::ofstream(root_ / "resources" / "User Guide.pdf") << "%PDF";
        std::ofstream(root_ / "secret.pdf") << "outside";
    }

    platform::Environment environment_;
    testsupport::ScratchFolder scratch_;
    const fs::path& root_ = scratch_.path();
};

TEST_F(BundleFolder, ResourceByNameAndType) {
    const Bundle bundle(root_ / "resources");
    EXPECT_EQ(bundle.pathForResource(u"User Guide", u"pdf"),
              platform::fromUtf8((root_ / "resources" / "User Guide.pdf").string()));
    EXPECT_EQ(bundle.pathForResource(u"User Guide.pdf", u""),
              bundle.pathForResource(u"User Guide", u"pdf"));
    for (const auto& [name, type] :
         std::vector<std::pair<platform::String, platform::String>>{{u"User Guide", u"rtf"},
                                                                    {u"user guide", u"pdf"},
                                                                    {u"../secret", u"pdf"},
                                                                    {u"", u""},
                                                                    {u"..", u""}})
        EXPECT_EQ(bundle.pathForResource(name, type), std::nullopt);
}

TEST_F(BundleFolder, MainBundleFolderNextToTheExecutableOrInstalled) {
    fs::create_directories(root_ / "build");
    EXPECT_EQ(Bundle::resourceFolderForExecutable(root_ / "build" / "sealscribe"),
              root_ / "build" / "resources");

    fs::create_directories(root_ / "usr" / "bin");
    fs::create_directories(root_ / "usr" / "share" / "sealscribe");
    EXPECT_EQ(Bundle::resourceFolderForExecutable(root_ / "usr" / "bin" / "sealscribe"),
              root_ / "usr" / "share" / "sealscribe");
}

TEST_F(BundleFolder, TestsCanSetTheMainBundle) {
    const auto own = std::make_shared<Bundle>(root_ / "resources");
    Bundle::setMainBundle(own);
    EXPECT_EQ(Bundle::mainBundle(), own);
    Bundle::setMainBundle(nullptr);
    EXPECT_NE(Bundle::mainBundle(), own);
}

TEST(BundleStrings, NoTranslationGivesTheValueElseTheKey) {
    const Bundle bundle("/nonexistent");
    EXPECT_EQ(bundle.localizedStringForKey(u"Error: Pasteboard doesn't contain a string.", u""),
              u"Error: Pasteboard doesn't contain a string.");
    EXPECT_EQ(bundle.localizedStringForKey(u"key", u"value", u"Localizable"), u"value");
}

} // namespace
