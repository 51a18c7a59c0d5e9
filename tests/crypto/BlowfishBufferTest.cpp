#include "crypto/BlowfishBuffer.h"

#include "crypto/OpenSslLegacyProviders.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::uint8_t vector[8] = {0x5e, 0x19, 0xa7, 0xc4, 0x0b, 0x3f, 0xf2, 0x86};

Bytes fixture(const char* name) {
    std::ifstream file(std::string(SEALSCRIBE_TEST_DATA) + "/blowfish/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

Bytes bytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

struct Decrypted {
    Bytes plain;
    std::int32_t status;
    bool none;
};

Decrypted decrypt(const Bytes& cipher, const Bytes& key, std::int32_t keyLength) {
    std::int32_t length = -1;
    std::int32_t status = -1;
    const auto plain =
        BlowfishDecryptBuffer(cipher.data(), static_cast<std::int32_t>(cipher.size()), key.data(),
                              keyLength, vector, length, status);
    if (!plain)
        return {{}, status, true};
    return {Bytes(plain.get(), plain.get() + length), status, false};
}

class BlowfishBuffer : public testing::Test {
protected:
    void SetUp() override {
        const auto& providers = OpenSslLegacyProviders::shared();
        ASSERT_TRUE(providers.isLoaded()) << providers.failureReason();
    }
};

} // namespace

// The key buffer as callers give it holds at least 16 bytes; these hold only K, so an
// overread would show under AddressSanitizer.
TEST_F(BlowfishBuffer, KeyIsTheFirstSixteenBytesOfExactlyKBytes) {
    const auto plain = fixture("plain.txt");
    const Bytes password20 = bytes("Kennw\x9art\xc6"
                                   "2006_Blau!#");
    ASSERT_EQ(password20.size(), 20u);
    EXPECT_EQ(decrypt(fixture("password20.bf"), password20, 20).plain, plain);
    EXPECT_EQ(decrypt(fixture("password6.bf"), bytes("orchid"), 6).plain, plain);
    EXPECT_EQ(decrypt(fixture("emptypassword.bf"), Bytes(), 0).plain, plain);

    std::int32_t length = -1;
    const auto cipher = BlowfishEncryptBuffer(plain.data(), static_cast<std::int32_t>(plain.size()),
                                              password20.data(), 20, vector, length);
    ASSERT_TRUE(cipher);
    EXPECT_EQ(Bytes(cipher.get(), cipher.get() + length), fixture("password20.bf"));
}

TEST_F(BlowfishBuffer, NothingToDoGivesNoneWithSuccess) {
    const Bytes key(16, 0);
    for (const std::int32_t length : {0, -8}) {
        std::int32_t outLength = -1;
        std::int32_t status = -1;
        EXPECT_FALSE(
            BlowfishDecryptBuffer(key.data(), length, key.data(), 16, vector, outLength, status));
        EXPECT_EQ(status, BlowfishStatusSuccess);
        EXPECT_EQ(outLength, 0);
        outLength = -1;
        EXPECT_FALSE(BlowfishEncryptBuffer(key.data(), length, key.data(), 16, vector, outLength));
        EXPECT_EQ(outLength, 0);
    }
}

// A process of its own, so that the providers are not loaded yet.
TEST(BlowfishBufferDeathTest, FailsInOrderWithoutTheLegacyProvider) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("OPENSSL_MODULES", "/nonexistent", 1);
            const auto& providers = OpenSslLegacyProviders::shared();
            std::fprintf(stderr, "%s\n", providers.failureReason().c_str());
            const Bytes block(16, 0);
            std::int32_t length = -1;
            std::int32_t status = -1;
            const auto plain =
                BlowfishDecryptBuffer(block.data(), 16, block.data(), 16, vector, length, status);
            const bool decryptRefused = !plain && status == BlowfishStatusUnavailable;
            length = -1;
            const auto cipher =
                BlowfishEncryptBuffer(block.data(), 16, block.data(), 16, vector, length);
            const bool encryptRefused = !cipher && length == 0;
            std::exit(!providers.isLoaded() && decryptRefused && encryptRefused ? 0 : 1);
        },
        testing::ExitedWithCode(0), "provider \"legacy\" could not be loaded: .*legacy.so");
}
