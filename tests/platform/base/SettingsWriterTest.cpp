#include "platform/base/SettingsWriter.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

Dictionary counter(int value) {
    return {{u"counter", Value(Number::int32(value))}};
}

} // namespace

// Background writes may run after a later write made at once: the change counts decide.
TEST(SettingsWriter, AnOlderSnapshotNeverReplacesANewerOneAndNoneFollowsTheClose) {
    const testsupport::ScratchFolder scratch;
    const auto path = scratch / "Settings.plist";
    const auto ignore = [](const String&) {};
    const auto inFile = [&] { return SettingsFile(path, ignore).load(); };
    SettingsWriter writer(SettingsFile(path, ignore));

    EXPECT_TRUE(writer.write(counter(1), 1));
    EXPECT_TRUE(writer.write(counter(3), 3));
    EXPECT_TRUE(writer.write(counter(2), 2)) << "dropped, which is no failure";
    EXPECT_EQ(inFile(), counter(3));

    writer.close();
    EXPECT_TRUE(writer.write(counter(4), 4));
    EXPECT_EQ(inFile(), counter(3));
}
