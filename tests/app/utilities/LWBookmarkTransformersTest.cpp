#include "app/utilities/LWBookmark.h"
#include "app/utilities/LWNameFromBookmark.h"
#include "app/utilities/LWPathFromBookmark.h"
#include "platform/system/SystemEnvironment.h"
#include "support/Files.h"
#include "support/ScratchFolder.h"
#include "support/TransformedValueText.h"

#include <filesystem>
#include <gtest/gtest.h>

using platform::Data;
using platform::URL;
using platform::Value;
namespace fs = std::filesystem;

namespace {

class LWBookmarkTransformersTest : public testing::Test {
protected:
    platform::SystemEnvironment environment_;
    testsupport::ScratchFolder folder_;
    fs::path file_ = folder_ / "My Notes.sealscribe";

    void SetUp() override { testsupport::writeFile(file_, "body"); }

    Data bookmark() const {
        return LWBookmark::bookmarkForURL_RW(
                   URL::fileURLWithPath(testsupport::pathString(file_)).value())
            .value();
    }
};

TEST_F(LWBookmarkTransformersTest, GiveThePathAndTheNameOfTheResolvedFile) {
    const Data data = bookmark();
    fs::rename(file_, folder_ / "Renamed.sealscribe");
    const std::string renamed = (folder_ / "Renamed.sealscribe").string();
    const Data deleted = [&] {
        testsupport::writeFile(folder_ / "gone", "x");
        const auto gone = LWBookmark::bookmarkForURL_RW(
            URL::fileURLWithPath(testsupport::pathString(folder_ / "gone")).value());
        fs::remove(folder_ / "gone");
        return gone.value();
    }();

    const struct {
        const char* name;
        Value input;
        std::string path;
        std::string fileName;
    } cases[] = {
        {"no value", Value(), "string \"\"", "string \"\""},
        {"not data", Value(u"/tmp/x"), "string \"\"", "string \"\""},
        {"a number", Value(platform::Number::int32(1)), "string \"\"", "string \"\""},
        {"empty data", Data{}, "none", "none"},
        {"garbage", platform::dataFromBytes("bplist00xyz"), "none", "none"},
        {"a deleted file", deleted, "none", "none"},
        {"a renamed file", data, "string \"" + renamed + "\"", "string \"Renamed.sealscribe\""},
    };
    const LWPathFromBookmark path;
    const LWNameFromBookmark name;
    for (const auto& c : cases) {
        EXPECT_EQ(transformedValueText(path.transformedValue(c.input)), c.path) << c.name;
        EXPECT_EQ(transformedValueText(name.transformedValue(c.input)), c.fileName) << c.name;
    }
}

} // namespace
