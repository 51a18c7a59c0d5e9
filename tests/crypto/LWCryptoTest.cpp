#include "crypto/LWCrypto.h"

#include "crypto/BlowfishBuffer.h"
#include "crypto/OpenSslLegacyProviders.h"

#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>

using platform::Data;
using platform::String;

namespace {

const std::uint8_t documentVector[8] = {0x5e, 0x19, 0xa7, 0xc4, 0x0b, 0x3f, 0xf2, 0x86};

const String password20 = u"Kennw\u00f6rt\u22062006_Blau!#";
const String plainText = u"Gr\u00fc\u00dfe aus dem alten K\u00f6rper: caf\u00e9, \u2206, "
                         u"\u20ac \u2013 2006";

Data fixture(const char* name) {
    std::ifstream file(std::string(SEALSCRIBE_TEST_DATA) + "/blowfish/" + name, std::ios::binary);
    return Data(std::istreambuf_iterator<char>(file), {});
}

LWCrypto withPassword(std::optional<String> password) {
    return LWCrypto(documentVector, std::move(password));
}

class LWCryptoTest : public testing::Test {
protected:
    void SetUp() override {
        const auto& providers = OpenSslLegacyProviders::shared();
        ASSERT_TRUE(providers.isLoaded()) << providers.failureReason();
    }
};

} // namespace

TEST_F(LWCryptoTest, KeyIsTheFirstSixteenPasswordBytesZeroFilled) {
    const struct {
        std::optional<String> password;
        const char* cipher;
    } cases[] = {
        {password20, "password20.bf"},      {password20.substr(0, 16), "password20.bf"},
        {u"orchid", "password6.bf"},        {u"", "emptypassword.bf"},
        {std::nullopt, "emptypassword.bf"},
    };
    const Data plain = fixture("plain.txt");
    ASSERT_FALSE(plain.empty());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cipher);
        const LWCrypto crypto = withPassword(c.password);
        std::int32_t status = -1;
        EXPECT_EQ(crypto.decryptToData(fixture(c.cipher), status), plain);
        EXPECT_EQ(status, BlowfishStatusSuccess);
        if (crypto.isReady()) {
            EXPECT_EQ(crypto.cryptData(plain), fixture(c.cipher));
        }
    }
}

TEST_F(LWCryptoTest, SixCharacterPasswordIsNotASixByteKey) {
    std::int32_t status = -1;
    const auto plain = withPassword(u"orchid").decryptToData(fixture("password6-key6.bf"), status);
    EXPECT_FALSE(status == BlowfishStatusSuccess && plain == fixture("plain.txt"));
}

TEST_F(LWCryptoTest, StringsAreMacOSRoman) {
    const LWCrypto crypto = withPassword(password20);
    EXPECT_EQ(crypto.cryptString(plainText), fixture("password20.bf"));
    std::int32_t status = -1;
    EXPECT_EQ(crypto.decryptToString(fixture("password20.bf"), status), plainText);
    EXPECT_EQ(status, BlowfishStatusSuccess);
    EXPECT_EQ(crypto.cryptString(u"caf\u00e9 \u0142"), std::nullopt) << "ł has no byte form";
}

TEST_F(LWCryptoTest, DamagedCiphertextGivesFinalStepStatus) {
    const Data whole = fixture("password20.bf");
    const LWCrypto crypto = withPassword(password20);
    for (const std::size_t size : {12u, 47u, 7u}) {
        const Data cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        std::int32_t status = -1;
        EXPECT_EQ(crypto.decryptToData(cut, status), std::nullopt) << size;
        EXPECT_EQ(status, BlowfishStatusFinalFailed) << size;
        status = -1;
        EXPECT_EQ(crypto.decryptToString(cut, status), std::nullopt) << size;
        EXPECT_EQ(status, BlowfishStatusFinalFailed) << size;
    }
}

TEST_F(LWCryptoTest, EmptyOrMissingCiphertextIsEmptySuccess) {
    const LWCrypto crypto = withPassword(u"orchid");
    for (const std::optional<Data>& cipher : {std::optional<Data>(), std::optional<Data>(Data())}) {
        std::int32_t status = -1;
        EXPECT_EQ(crypto.decryptToData(cipher, status), Data());
        EXPECT_EQ(status, BlowfishStatusSuccess);
        status = -1;
        EXPECT_EQ(crypto.decryptToString(cipher, status), String());
        EXPECT_EQ(status, BlowfishStatusSuccess);
    }
    std::int32_t status = -1;
    EXPECT_EQ(crypto.decryptToData(fixture("empty.bf"), status), Data()) << "padding alone";
    EXPECT_EQ(status, BlowfishStatusSuccess);
    EXPECT_EQ(crypto.cryptData(Data()), Data()) << "no padding block for nothing";
    EXPECT_EQ(crypto.cryptData(std::nullopt), Data());
    EXPECT_EQ(crypto.cryptString(u""), Data());
}

TEST_F(LWCryptoTest, CryptDataPadsToTheNextBlockAndRoundTrips) {
    const LWCrypto crypto = withPassword(u"orchid");
    for (const auto& [size, expected] :
         {std::pair<std::size_t, std::size_t>{1, 8}, {8, 16}, {16, 24}, {45, 48}}) {
        Data plain(size);
        for (std::size_t i = 0; i < size; ++i)
            plain[i] = static_cast<std::uint8_t>(i * 37 + 1);
        const auto cipher = crypto.cryptData(plain);
        ASSERT_TRUE(cipher) << size;
        EXPECT_EQ(cipher->size(), expected);
        std::int32_t status = -1;
        EXPECT_EQ(crypto.decryptToData(cipher, status), plain);
        EXPECT_EQ(status, BlowfishStatusSuccess);
    }
}

TEST_F(LWCryptoTest, IntegersRoundTrip) {
    const LWCrypto crypto = withPassword(u"orchid");
    constexpr auto min64 = std::numeric_limits<std::int64_t>::min();
    constexpr auto max64 = std::numeric_limits<std::int64_t>::max();
    for (const std::int64_t value :
         {std::int64_t{0}, std::int64_t{-1}, min64, max64, std::int64_t{0x0123456789abcdef}}) {
        const auto cipher = crypto.cryptLong(value);
        ASSERT_TRUE(cipher);
        EXPECT_EQ(cipher->size(), 16u);
        std::int32_t status = -1;
        EXPECT_EQ(crypto.decryptToLong(cipher, status), value);
        EXPECT_EQ(status, BlowfishStatusSuccess);
    }
    const struct {
        std::int64_t value;
        std::int64_t back;
    } narrowed[] = {{-1, -1},
                    {std::int64_t{1} << 31, -(std::int64_t{1} << 31)},
                    {(std::int64_t{1} << 32) + 5, 5}};
    for (const auto& c : narrowed) {
        const auto cipher = crypto.cryptLongToInt32(c.value);
        ASSERT_TRUE(cipher);
        EXPECT_EQ(cipher->size(), 8u);
        std::int32_t status = -1;
        EXPECT_EQ(crypto.decryptToLong(cipher, status), c.back) << c.value;
        EXPECT_EQ(status, BlowfishStatusSuccess);
    }
    std::int32_t status = -1;
    EXPECT_EQ(crypto.decryptToData(crypto.cryptLongToInt32(0x01020304), status),
              (Data{0x04, 0x03, 0x02, 0x01}))
        << "least significant byte first";
}

TEST_F(LWCryptoTest, PlaintextOfNeitherFourNorEightBytesIsNoInteger) {
    const LWCrypto crypto = withPassword(u"orchid");
    std::int32_t status = -1;
    EXPECT_EQ(crypto.decryptToLong(crypto.cryptData(Data(5, 1)), status), 0);
    EXPECT_EQ(status, LWCryptoStatusNotALong);
    status = -1;
    EXPECT_EQ(crypto.decryptToLong(Data(12, 0), status), 0);
    EXPECT_EQ(status, BlowfishStatusFinalFailed);
}

TEST_F(LWCryptoTest, ReadyNeedsAVectorAndAPasswordThatIsNotEmpty) {
    EXPECT_FALSE(LWCrypto().isReady());
    EXPECT_FALSE(LWCrypto(documentVector, u"").isReady());
    EXPECT_FALSE(LWCrypto(nullptr, u"orchid").isReady());
    EXPECT_TRUE(LWCrypto(documentVector, u"orchid").isReady());
    EXPECT_TRUE(LWCrypto(documentVector, std::nullopt).isReady()) << "missing is not empty";

    const LWCrypto notReady = withPassword(u"");
    EXPECT_EQ(notReady.cryptString(u"text"), std::nullopt);
    EXPECT_EQ(notReady.cryptData(Data(3, 1)), std::nullopt);
    EXPECT_EQ(notReady.cryptData(Data()), std::nullopt);
    EXPECT_EQ(notReady.cryptLong(1), std::nullopt);
    EXPECT_EQ(notReady.cryptLongToInt32(1), std::nullopt);
}

TEST_F(LWCryptoTest, PasswordWithoutMacOSRomanFormFailsInOrder) {
    const String loneSurrogate(1, char16_t(0xD800));
    for (const String& password : {String(u"\u0142"), String(u"orchid\u0142"), loneSurrogate}) {
        const LWCrypto crypto = withPassword(password);
        EXPECT_EQ(crypto.cryptData(Data(8, 1)), std::nullopt);
        EXPECT_EQ(crypto.cryptData(Data()), std::nullopt);
        EXPECT_EQ(crypto.cryptString(u"text"), std::nullopt);
        EXPECT_EQ(crypto.cryptLong(1), std::nullopt);
        std::int32_t status = -1;
        EXPECT_EQ(crypto.decryptToData(fixture("password6.bf"), status), std::nullopt);
        EXPECT_EQ(status, LWCryptoStatusNoByteForm);
        status = -1;
        EXPECT_EQ(crypto.decryptToLong(fixture("password6.bf"), status), 0);
        EXPECT_EQ(status, LWCryptoStatusNoByteForm);
    }
}

TEST_F(LWCryptoTest, DecryptingWithoutAVectorFailsInOrder) {
    LWCrypto crypto(nullptr, u"orchid");
    std::int32_t status = -1;
    EXPECT_EQ(crypto.decryptToData(fixture("password6.bf"), status), std::nullopt);
    EXPECT_EQ(status, LWCryptoStatusNoVector);
    status = -1;
    EXPECT_EQ(crypto.decryptToString(fixture("password6.bf"), status), std::nullopt);
    EXPECT_EQ(status, LWCryptoStatusNoVector);
}

TEST_F(LWCryptoTest, SettersTakeEffectOnTheNextOperation) {
    LWCrypto crypto;
    crypto.setInitVector(documentVector);
    crypto.setPassword(u"wrong password");
    std::int32_t status = -1;
    EXPECT_NE(crypto.decryptToData(fixture("password6.bf"), status), fixture("plain.txt"));
    crypto.setPassword(u"orchid");
    EXPECT_EQ(crypto.decryptToData(fixture("password6.bf"), status), fixture("plain.txt"));
    EXPECT_EQ(crypto.myIV(), Data(std::begin(documentVector), std::end(documentVector)));
    crypto.setInitVector(nullptr);
    EXPECT_FALSE(crypto.myIV());
    EXPECT_FALSE(crypto.isReady());
}
