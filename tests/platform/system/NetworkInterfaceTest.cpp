#include "platform/system/NetworkInterface.h"

#include "support/ScratchFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using platform::Data;
using platform::NetworkInterface;

namespace {

class FakeSysfs : public testing::Test {
protected:
    void SetUp() override {
        root_ = base_ / "net";
        // Files that a name escaping the root would reach.
        write(base_ / "address", "aa:aa:aa:aa:aa:aa\n");
        write(root_ / "address", "bb:bb:bb:bb:bb:bb\n");
    }
    static void write(const std::filesystem::path& path, const char* text) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << text;
    }
    void addInterface(const char* name, const char* address, const char* length) {
        write(root_ / name / "address", address);
        if (length != nullptr)
            write(root_ / name / "addr_len", length);
    }

    testsupport::ScratchFolder scratch_;
    const std::filesystem::path& base_ = scratch_.path();
    std::filesystem::path root_;
};

} // namespace

TEST_F(FakeSysfs, AddressIsReadByteForByte) {
    addInterface("eth9", "02:fc:0A:0b:ff:01\n", "6\n");
    addInterface("tun0", "\n", "0\n");
    addInterface("ib0", "80:00:02:08:fe:80:00:00:00:00:00:00:00:02:c9:03:00:0b:52:d1\n", nullptr);
    EXPECT_EQ(NetworkInterface::hardwareAddress("eth9", root_),
              (Data{0x02, 0xfc, 0x0a, 0x0b, 0xff, 0x01}));
    EXPECT_EQ(NetworkInterface::hardwareAddress("tun0", root_), Data()) << "none is not empty";
    const auto infiniband = NetworkInterface::hardwareAddress("ib0", root_);
    ASSERT_TRUE(infiniband);
    EXPECT_EQ(infiniband->size(), 20u);
}

TEST_F(FakeSysfs, NoSuchOrDamagedInterfaceGivesNone) {
    addInterface("bad0", "02:fc:0a:0b:ff:0g\n", "6\n");
    addInterface("bad1", "02:fc:0a:0b:ff\n", "6\n"); // disagrees with its length
    addInterface("bad2", "02:fc::0b:ff:01\n", nullptr);
    std::filesystem::create_directories(root_ / "noaddr0");
    for (const char* name : {"eth1", "bad0", "bad1", "bad2", "noaddr0"})
        EXPECT_EQ(NetworkInterface::hardwareAddress(name, root_), std::nullopt) << name;
}

TEST_F(FakeSysfs, NameNeverLeavesTheRoot) {
    addInterface("eth9", "02:fc:0a:0b:ff:01\n", "6\n");
    addInterface("vlan..7", "02:fc:0a:0b:ff:07\n", "6\n");
    for (const std::string_view name : std::initializer_list<std::string_view>{
             "", ".", "..", "../net/eth9", "eth9/", "/eth9", std::string_view("eth9\0", 5)})
        EXPECT_EQ(NetworkInterface::hardwareAddress(name, root_), std::nullopt)
            << "'" << name << "'";
    EXPECT_TRUE(NetworkInterface::hardwareAddress("vlan..7", root_)) << "a name the kernel allows";
}

TEST(NetworkInterface, ReadsTheSystemsInterfaces) {
    if (!std::filesystem::exists("/sys/class/net/lo/address"))
        GTEST_SKIP() << "no loopback interface in sysfs";
    EXPECT_EQ(NetworkInterface::hardwareAddress("lo"), Data(6, 0));
    EXPECT_EQ(NetworkInterface::hardwareAddress("no-such-if0"), std::nullopt);
}
