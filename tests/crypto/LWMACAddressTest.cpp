#include "crypto/LWMACAddress.h"

#include "support/ScratchFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using platform::Data;

namespace {

class LWMACAddressTest : public testing::Test {
protected:
    void addInterface(const std::string& name, const char* address) {
        std::filesystem::create_directories(root_ / name);
        std::ofstream(root_ / name / "address") << address;
    }

    testsupport::ScratchFolder scratch_;
    const std::filesystem::path& root_ = scratch_.path();
};

} // namespace

TEST_F(LWMACAddressTest, TextIsLowerCaseHexJoinedByColons) {
    addInterface("en0", "00:1B:0a:84:45:E6\n");
    addInterface("eth1", "0f\n");
    EXPECT_EQ(LWMACAddress::MACAddressData(root_), (Data{0x00, 0x1b, 0x0a, 0x84, 0x45, 0xe6}));
    EXPECT_EQ(LWMACAddress::MACAddressString(root_), u"00:1b:0a:84:45:e6");
    EXPECT_EQ(LWMACAddress::MACAddressStringAtPort(u"eth1", root_), u"0f");
}

TEST_F(LWMACAddressTest, NoInterfaceOrNoBytesGivesNoText) {
    addInterface("eth0", "02:fc:00:00:00:01\n");
    addInterface("tun0", "\n");
    EXPECT_EQ(LWMACAddress::MACAddressData(root_), std::nullopt) << "no en0 here";
    EXPECT_EQ(LWMACAddress::MACAddressString(root_), std::nullopt);
    EXPECT_EQ(LWMACAddress::MACAddressDataAtPort(u"tun0", root_), Data());
    EXPECT_EQ(LWMACAddress::MACAddressStringAtPort(u"tun0", root_), std::nullopt);
}

TEST_F(LWMACAddressTest, NameWithoutAsciiFormNamesNoInterface) {
    addInterface("eth\xc3\xa9", "02:fc:00:00:00:01\n"); // the name's UTF-8 form
    EXPECT_EQ(LWMACAddress::MACAddressDataAtPort(u"eth\u00e9", root_), std::nullopt);
    EXPECT_EQ(LWMACAddress::MACAddressStringAtPort(u"eth\u00e9", root_), std::nullopt);
}
