// Interchange with an independent implementation of the keyed-archive format: Python's
// plistlib, through the scripts in tests/data/archives. The archive that make_archive.py
// wrote is kept there, so that reading it needs no Python.
#include "platform/base/KeyedArchiver.h"
#include "platform/base/KeyedUnarchiver.h"
#include "support/Results.h"
#include "support/ScratchFolder.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

const std::filesystem::path archives = std::filesystem::path(SEALSCRIBE_TEST_DATA) / "archives";
const char* const python = "/usr/bin/python3";

// What both sides archive: a string, a boolean, an unsigned 64-bit number, a double, data
// and a date.
Dictionary interchanged() {
    return {
        {u"string", Value(u"Grüße ✓ \U0001D11E")},
        {u"flag", Number::boolean(true)},
        {u"unsigned", Number::uint64(std::numeric_limits<std::uint64_t>::max())},
        {u"double", Number::float64(120.9)},
        {u"data", Data{0, 1, 2, 0xFF}},
        {u"date", Date(650000000.5)},
    };
}

Data readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return Data(std::istreambuf_iterator<char>(file), {});
}

// The standard output of a command, and whether it exited with 0.
std::pair<std::string, bool> run(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return {output, false};
    std::array<char, 4096> buffer{};
    std::size_t count = 0;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        output.append(buffer.data(), count);
    const int status = ::pclose(pipe);
    return {output, WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

class KeyedArchiveInterop : public ::testing::Test {
protected:
    static bool hasPython() { return ::access(python, X_OK) == 0; }

    testsupport::ScratchFolder scratch_;
    const std::filesystem::path& folder_ = scratch_.path();
};

} // namespace

TEST_F(KeyedArchiveInterop, OurArchiveReadsInPlistlibWithThePlatformsLayout) {
    if (!hasPython())
        GTEST_SKIP() << python << " is not installed";
    const auto data = KeyedArchiver::archivedDataWithRootObject(interchanged());
    ASSERT_TRUE(data);
    const auto path = folder_ / "ours.archive";
    std::ofstream(path, std::ios::binary).write(bytesOf(*data).data(), bytesOf(*data).size());

    const auto [output, ok] =
        run(std::string(python) + " " + (archives / "read_archive.py").string() + " " +
            path.string() + " 2>&1");
    ASSERT_TRUE(ok) << output;
    // The root at UID 1, its keys and then its values in the order met, each class record
    // after the first object of its class, the date as NS.time, the unsigned number above
    // INT64_MAX unsigned.
    EXPECT_EQ(output,
              R"({"$objects": ["$null", )"
              R"({"$class": {"UID": 15}, "NS.keys": [{"UID": 2}, {"UID": 3}, {"UID": 4}, )"
              R"({"UID": 5}, {"UID": 6}, {"UID": 7}], "NS.objects": [{"UID": 8}, {"UID": 9}, )"
              R"({"UID": 11}, {"UID": 12}, {"UID": 13}, {"UID": 14}]}, )"
              R"("data", "date", "double", "flag", "string", "unsigned", {"data": "000102ff"}, )"
              R"({"$class": {"UID": 10}, "NS.time": {"real": 650000000.5}}, )"
              R"({"$classes": ["NSDate", "NSObject"], "$classname": "NSDate"}, )"
              R"({"real": 120.9}, true, "Gr\u00fc\u00dfe \u2713 \ud834\udd1e", )"
              R"(18446744073709551615, )"
              R"({"$classes": ["NSDictionary", "NSObject"], "$classname": "NSDictionary"}], )"
              R"("$top": {"root": {"UID": 1}}, )"
              R"("root": {"data": {"data": "000102ff"}, "date": {"NS.time": 650000000.5}, )"
              R"("double": {"real": 120.9}, "flag": true, )"
              R"("string": "Gr\u00fc\u00dfe \u2713 \ud834\udd1e", )"
              R"("unsigned": 18446744073709551615}})"
              "\n");
}

TEST_F(KeyedArchiveInterop, TheArchiveThatPlistlibWroteUnarchives) {
    const auto value = KeyedUnarchiver::unarchive(readFile(archives / "python-made.archive"));
    ASSERT_TRUE(value) << testsupport::messageOf(value);
    EXPECT_EQ(*value, Value(interchanged()));
    EXPECT_EQ((*value)[u"unsigned"].number()->kind(), Number::Kind::UInt64);
}

TEST_F(KeyedArchiveInterop, TheKeptArchiveIsWhatTheScriptWrites) {
    if (!hasPython())
        GTEST_SKIP() << python << " is not installed";
    const auto path = folder_ / "fresh.archive";
    const auto [output, ok] =
        run(std::string(python) + " " + (archives / "make_archive.py").string() + " " +
            path.string() + " 2>&1");
    ASSERT_TRUE(ok) << output;
    EXPECT_EQ(readFile(path), readFile(archives / "python-made.archive"));
}
