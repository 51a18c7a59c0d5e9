#include "update/UpdateListAddresses.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using Addresses = UpdateListAddresses::Addresses;
using platform::String;

TEST(UpdateListAddresses, TheMakersFourServersServeTheSamePath) {
    EXPECT_EQ(UpdateListAddresses::maker(),
              (Addresses{u"http://update1.sealscribe.example/mac/sealscribe.plist",
                         u"http://update2.sealscribe.example/mac/sealscribe.plist",
                         u"http://update3.sealscribe.example/mac/sealscribe.plist",
                         u"http://update4.sealscribe.example/mac/sealscribe.plist"}));
}

TEST(UpdateListAddresses, TheVariableGivesOneToFourAddressesInOrder) {
    const struct {
        const char* text;
        Addresses expected;
    } cases[] = {
        {"http://a/", {u"http://a/", std::nullopt, std::nullopt, std::nullopt}},
        {"  http://a/   http://b/ ", {u"http://a/", u"http://b/", std::nullopt, std::nullopt}},
        {"1 2 3 4 5", {u"1", u"2", u"3", u"4"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        ::setenv(UpdateListAddresses::overrideVariable, c.text, 1);
        EXPECT_EQ(UpdateListAddresses::configured(), c.expected) << c.text;
    }
    ::setenv(UpdateListAddresses::overrideVariable, "http://a/ \xff", 1);
    EXPECT_EQ(UpdateListAddresses::configured(), Addresses{}) << "never the maker's instead";

    ::unsetenv(UpdateListAddresses::overrideVariable);
    EXPECT_EQ(UpdateListAddresses::configured(), UpdateListAddresses::maker());
}

} // namespace
