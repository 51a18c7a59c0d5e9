#include "platform/base/ProcessInfo.h"

#include <gtest/gtest.h>
#include <sys/utsname.h>

using platform::ProcessInfo;
using platform::String;

TEST(ProcessInfo, VersionStringNamesTheSystemAndItsKernel) {
    struct Case {
        const char* osRelease;
        const char16_t* expected;
    };
    const Case cases[] = {
        {"NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n",
         u"Debian GNU/Linux 12 (bookworm) (Linux 6.1.0-18-amd64)"},
        {"PRETTY_NAME='Fedora Linux 40 (Workstation Edition)'\r\n",
         u"Fedora Linux 40 (Workstation Edition) (Linux 6.1.0-18-amd64)"},
        {"PRETTY_NAME=Arch\\ Linux\n", u"Arch Linux (Linux 6.1.0-18-amd64)"},
        {"PRETTY_NAME=\"Say \\\"hi\\\" \\$5\"\n", u"Say \"hi\" $5 (Linux 6.1.0-18-amd64)"},
        {"# PRETTY_NAME=\"Commented\"\nPRETTY_NAME=\"First\"\nPRETTY_NAME=\"Last\"\n",
         u"Last (Linux 6.1.0-18-amd64)"},
        {"PRETTY_NAME=\"Caf\xc3\xa9 OS\"\n", u"Caf\u00e9 OS (Linux 6.1.0-18-amd64)"},
        {"PRETTY_NAME=\"Caf\xe9 OS\"\n", u"Linux 6.1.0-18-amd64"},
        {"NAME=\"No pretty name\"\nX_PRETTY_NAME=\"Not it\"\n", u"Linux 6.1.0-18-amd64"},
        {"", u"Linux 6.1.0-18-amd64"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            ProcessInfo(c.osRelease, "Linux", "6.1.0-18-amd64").operatingSystemVersionString(),
            c.expected)
            << c.osRelease;
    EXPECT_EQ(ProcessInfo("PRETTY_NAME=\"Only\"\n", "", "").operatingSystemVersionString(),
              u"Only");
}

TEST(ProcessInfo, ProcessInfoReadsThisSystem) {
    utsname system{};
    ASSERT_EQ(uname(&system), 0);
    const auto version = ProcessInfo::processInfo().operatingSystemVersionString();
    const std::string kernel = std::string(system.sysname) + " " + system.release;
    EXPECT_NE(platform::toUtf8Lossy(version).find(kernel), std::string::npos)
        << platform::toUtf8Lossy(version);
}
