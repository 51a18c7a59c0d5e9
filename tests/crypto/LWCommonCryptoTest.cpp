#include "crypto/LWCommonCrypto.h"

#include "platform/security/AESCryptor.h"
#include "platform/security/CryptoStatus.h"
#include "platform/security/SecureRandomOverride.h"
#include "platform/security/SecurityEnvironment.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

using platform::Data;
using platform::dataFromBytes;
using platform::String;
namespace cryptoStatus = platform::cryptoStatus;

namespace {

Data fromHex(std::string_view hex) {
    Data bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(
            static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

const Data knownIV = fromHex("000102030405060708090a0b0c0d0e0f");
const Data knownSalt = dataFromBytes("saltSALT");

// An object keyed as a document read from a file: fixed password, IV and salt.
LWCommonCrypto keyed(std::optional<String> password) {
    LWCommonCrypto crypto;
    crypto.setPasswordToDecrypt(std::move(password), knownIV, knownSalt);
    return crypto;
}

std::int32_t failingSource(std::uint8_t*, std::size_t) {
    return cryptoStatus::randomFailure;
}

} // namespace

// Vectors from /usr/bin/python3 with hashlib.pbkdf2_hmac('sha1', password, b'saltSALT', 10000, 32)
// and the cryptography package (PKCS7(128) padder, AES CBC, the IV above).
TEST(LWCommonCrypto, EncryptsWithAES256CBCUnderThePasswordKey) {
    LWCommonCrypto crypto = keyed(u"password");
    std::int32_t status = 99;
    const auto sealed = crypto.encrypt(dataFromBytes("Sealscribe"), status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(sealed, fromHex("654cffd30be6517d2d30073cfe9aa253"));
    EXPECT_EQ(crypto.AESKey(),
              fromHex("b5d61df1fededb0a2b4aeef0b80bd92164f1c53962680b3c95deb9b862319665"));
    EXPECT_EQ(crypto.encrypt(Data{}, status), fromHex("f7a604a104935b9ab7a98caa344fd729"));

    status = 99;
    EXPECT_EQ(crypto.decrypt(sealed, status), dataFromBytes("Sealscribe"));
    EXPECT_EQ(status, 0);
}

TEST(LWCommonCrypto, KeyCutsTheUTF8BytesAtTheUTF16Length) {
    // hashlib.pbkdf2_hmac('sha1', <bytes>, b'saltSALT', 10000, 32) of the bytes in comments.
    const std::pair<std::optional<String>, std::string> cases[] = {
        {u"password", "b5d61df1fededb0a2b4aeef0b80bd92164f1c53962680b3c95deb9b862319665"},
        {u"\u00e9", "62e658db92a1f7dd10b551e48e21783609ec9c422de24663422aa238911e6937"}, // c3
        {u"\u00e8", "62e658db92a1f7dd10b551e48e21783609ec9c422de24663422aa238911e6937"}, // c3
        {u"\u20ac", "fe23d464f081596e7aaff2ac9ec5652dd4a16e9064f3b166270f30e17da00523"}, // e2
        {u"\U0001F600",
         "8ca0dd5f9238441452bd6df194a8a4dcdac826e4a36876028422f30b29771334"},             // f0 9f
        {u"a\u00e9", "e6de5ff452624c14052c773d2d172bd0b5ce507bba198138a88b15a5034ed9c3"}, // 61 c3
        {u"", "819806a02feabc01e84a0c4633c78772c9bb3226a39027b612df7661f18d5733"},        // none
        {std::nullopt, "819806a02feabc01e84a0c4633c78772c9bb3226a39027b612df7661f18d5733"},
    };
    for (const auto& [password, key] : cases)
        EXPECT_EQ(LWCommonCrypto::AESKeyForPassword(password, knownSalt), fromHex(key))
            << (password ? platform::toUtf8Lossy(*password) : "(none)");
}

TEST(LWCommonCrypto, PasswordWithoutUTF8FormNeverEncrypts) {
    const String loneSurrogate = u"ab\xD800";
    EXPECT_EQ(LWCommonCrypto::AESKeyForPassword(loneSurrogate, knownSalt), Data(32, 0));

    LWCommonCrypto crypto = keyed(loneSurrogate);
    std::int32_t status = 0;
    EXPECT_EQ(crypto.encrypt(dataFromBytes("secret"), status), std::nullopt);
    EXPECT_EQ(status, LWCommonCrypto::statusPasswordWithoutUTF8);
    std::uint32_t options = 1;
    EXPECT_EQ(crypto.encrypt(dataFromBytes("secret"), std::nullopt, options), std::nullopt);

    // What was written under the zero key still reads.
    std::unique_ptr<platform::AESCryptor> cryptor;
    const Data zeroKey(32, 0);
    ASSERT_EQ(platform::AESCryptor::create(platform::AESCryptor::encrypt, 1, zeroKey.data(), 32,
                                           knownIV.data(), cryptor),
              0);
    Data sealed(16);
    std::size_t updated = 0, finished = 0;
    ASSERT_EQ(cryptor->update(reinterpret_cast<const std::uint8_t*>("secret"), 6, sealed.data(), 16,
                              updated),
              0);
    ASSERT_EQ(cryptor->final(sealed.data() + updated, 16 - updated, finished), 0);
    EXPECT_EQ(crypto.decrypt(sealed, status), dataFromBytes("secret"));
    EXPECT_EQ(status, 0);
}

TEST(LWCommonCrypto, PaddingAlwaysAddsUpToOneBlock) {
    LWCommonCrypto crypto(u"pass word");
    const std::pair<std::optional<Data>, std::size_t> cases[] = {
        {std::nullopt, 16},  {Data{}, 16},          {Data(15, 'x'), 16},
        {Data(16, 'x'), 32}, {Data(256, 'x'), 272},
    };
    for (const auto& [input, sealedSize] : cases) {
        std::int32_t status = 99;
        const auto sealed = crypto.encrypt(input, status);
        ASSERT_TRUE(sealed.has_value()) << sealedSize;
        EXPECT_EQ(status, 0);
        EXPECT_EQ(sealed->size(), sealedSize);
        status = 99;
        EXPECT_EQ(crypto.decrypt(sealed, status), input.value_or(Data{}));
        EXPECT_EQ(status, 0);
    }
}

TEST(LWCommonCrypto, OneObjectRepeatsItsBytesUntilRecalculated) {
    LWCommonCrypto crypto(u"pass word");
    EXPECT_EQ(crypto.password(), u"pass word");
    EXPECT_EQ(crypto.IV()->size(), 16u);
    EXPECT_EQ(crypto.salt()->size(), 8u);
    EXPECT_EQ(crypto.AESKey(), LWCommonCrypto::AESKeyForPassword(u"pass word", crypto.salt()));

    const Data body = dataFromBytes("the body of a document");
    std::int32_t status = 0;
    const auto first = crypto.encrypt(body, status);
    EXPECT_EQ(crypto.encrypt(body, status), first);

    const auto oldIV = crypto.IV();
    const auto oldSalt = crypto.salt();
    crypto.recalcIV_Salt_AESKey();
    EXPECT_EQ(crypto.password(), u"pass word");
    EXPECT_NE(crypto.IV(), oldIV);
    EXPECT_NE(crypto.salt(), oldSalt);
    EXPECT_EQ(crypto.AESKey(), LWCommonCrypto::AESKeyForPassword(u"pass word", crypto.salt()));
    EXPECT_NE(crypto.encrypt(body, status), first);
    EXPECT_NE(crypto.decrypt(first, status), body);

    crypto.setPasswordToEncrypt(u"other");
    EXPECT_EQ(crypto.password(), u"other");
    EXPECT_EQ(crypto.AESKey(), LWCommonCrypto::AESKeyForPassword(u"other", crypto.salt()));
}

TEST(LWCommonCrypto, DecryptsAloneAfterSetPasswordToDecrypt) {
    LWCommonCrypto writer(u"pass word");
    std::int32_t status = 0;
    const auto sealed = writer.encrypt(dataFromBytes("check string"), status);

    // The document's reading order: a fresh object for the typed password, then the
    // stored IV and salt.
    LWCommonCrypto reader(u"pass word");
    reader.setPasswordToDecrypt(u"pass word", writer.IV(), writer.salt());
    status = 99;
    EXPECT_EQ(reader.decrypt(sealed, status), dataFromBytes("check string"));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(reader.AESKey(), writer.AESKey());
}

TEST(LWCommonCrypto, WrongPasswordGivesNoneAndAStatus) {
    LWCommonCrypto writer = keyed(u"password");
    std::int32_t status = 0;
    const auto sealed = writer.encrypt(dataFromBytes("Sealscribe"), status);
    for (const String wrong : {u"passwore", u"Password", u"password ", u""}) {
        LWCommonCrypto reader = keyed(wrong);
        status = 0;
        EXPECT_EQ(reader.decrypt(sealed, status), std::nullopt);
        EXPECT_NE(status, 0);
    }
}

TEST(LWCommonCrypto, KeyArgumentHasNoEffect) {
    LWCommonCrypto crypto = keyed(u"password");
    const Data input = dataFromBytes("Sealscribe");
    std::int32_t status = 0;
    const auto expected = crypto.encrypt(input, status);
    for (const std::optional<Data>& key : {std::optional<Data>{}, std::optional<Data>{Data{}},
                                           std::optional<Data>{Data(32, 0xEE)}}) {
        std::uint32_t options = 1;
        EXPECT_EQ(crypto.encrypt(input, key, options), expected);
        options = 1;
        EXPECT_EQ(crypto.decrypt(expected, key, options), input);
    }
}

TEST(LWCommonCrypto, EncryptionSettlesItsOptions) {
    LWCommonCrypto crypto = keyed(u"password");
    const Data input = dataFromBytes("Sealscribe");
    std::int32_t status = 0;
    const auto padded = crypto.encrypt(input, status);
    for (std::uint32_t given : {0u, 1u, 3u, 4u, 0xFFFFFFFFu}) {
        std::uint32_t options = given;
        EXPECT_EQ(crypto.encrypt(input, std::nullopt, options), padded) << given;
        EXPECT_EQ(options, 1u) << given;
    }

    // ECB: equal blocks encrypt equally; no padding, so a partial block fails.
    std::uint32_t options = 2;
    const auto ecb = crypto.encrypt(Data(32, 'z'), std::nullopt, options);
    EXPECT_EQ(options, 2u);
    ASSERT_TRUE(ecb.has_value());
    ASSERT_EQ(ecb->size(), 32u);
    EXPECT_TRUE(std::equal(ecb->begin(), ecb->begin() + 16, ecb->begin() + 16));
    EXPECT_EQ(crypto.encrypt(Data(17, 'z'), std::nullopt, options), std::nullopt);
    EXPECT_EQ(crypto.doCipher(Data(17, 'z'), std::nullopt, 0, options, status), std::nullopt);
    EXPECT_NE(status, 0);
}

TEST(LWCommonCrypto, DecryptionUsesTheOptionsAsGiven) {
    LWCommonCrypto crypto = keyed(u"password");
    std::int32_t status = 0;
    const auto sealed = crypto.encrypt(dataFromBytes("abc"), status);

    std::uint32_t options = 0;
    const Data withPadding = fromHex("616263"
                                     "0d0d0d0d0d0d0d0d0d0d0d0d0d"); // "abc", 13 x 13
    EXPECT_EQ(crypto.decrypt(sealed, std::nullopt, options), withPadding);
    EXPECT_EQ(options, 0u);

    options = 5;
    EXPECT_EQ(crypto.doCipher(sealed, std::nullopt, 1, options, status), std::nullopt);
    EXPECT_EQ(options, 5u);
    EXPECT_NE(status, 0);

    options = 1;
    EXPECT_EQ(crypto.doCipher(sealed, std::nullopt, 2, options, status), std::nullopt);
    EXPECT_NE(status, 0);
}

TEST(LWCommonCrypto, DamagedIVOrMissingSaltIsRefused) {
    const Data input = dataFromBytes("Sealscribe");
    struct Case {
        const char* what;
        std::optional<Data> iv;
        std::optional<Data> salt;
        std::int32_t status;
    };
    const Case cases[] = {
        {"no IV", std::nullopt, knownSalt, LWCommonCrypto::statusMissingIV},
        {"short IV", Data(15, 1), knownSalt, LWCommonCrypto::statusMissingIV},
        {"long IV", Data(17, 1), knownSalt, LWCommonCrypto::statusMissingIV},
        {"no salt", knownIV, std::nullopt, LWCommonCrypto::statusMissingSalt},
    };
    for (const Case& c : cases) {
        LWCommonCrypto crypto;
        crypto.setPasswordToDecrypt(u"password", c.iv, c.salt);
        for (std::uint32_t context : {0u, 1u}) {
            std::uint32_t options = 1;
            std::int32_t status = 0;
            EXPECT_EQ(crypto.doCipher(input, std::nullopt, context, options, status), std::nullopt)
                << c.what;
            EXPECT_EQ(status, c.status) << c.what;
        }
    }

    // A salt of any length that a caller sets is fine.
    LWCommonCrypto crypto;
    crypto.setPasswordToDecrypt(u"password", knownIV, Data{});
    std::int32_t status = 99;
    EXPECT_TRUE(crypto.encrypt(input, status).has_value());
    EXPECT_EQ(status, 0);
}

TEST(LWCommonCrypto, FailingRandomSourceNeverLeadsToEncryption) {
    platform::SecurityEnvironment environment;
    const Data input = dataFromBytes("Sealscribe");
    {
        platform::SecureRandomOverride failing(failingSource);
        EXPECT_EQ(LWCommonCrypto::randomDataOfLength(8), std::nullopt);

        LWCommonCrypto made(u"password");
        EXPECT_EQ(made.IV(), std::nullopt);
        EXPECT_EQ(made.salt(), std::nullopt);
        std::int32_t status = 0;
        EXPECT_EQ(made.encrypt(input, status), std::nullopt);
        EXPECT_NE(status, 0);

        LWCommonCrypto rekeyed = keyed(u"password");
        rekeyed.setPasswordToEncrypt(u"new password");
        EXPECT_EQ(rekeyed.encrypt(input, status), std::nullopt);
        EXPECT_NE(status, 0);
    }
    {
        // The IV is drawn, then the source fails for the salt.
        int calls = 0;
        platform::SecureRandomOverride failsSecond([&calls](std::uint8_t* out, std::size_t count) {
            if (++calls > 1)
                return cryptoStatus::randomFailure;
            std::fill_n(out, count, std::uint8_t{1});
            return cryptoStatus::success;
        });
        LWCommonCrypto crypto(u"password");
        EXPECT_EQ(crypto.IV(), Data(16, 1));
        EXPECT_EQ(crypto.salt(), std::nullopt);
        std::int32_t status = 0;
        EXPECT_EQ(crypto.encrypt(input, status), std::nullopt);
        EXPECT_EQ(status, LWCommonCrypto::statusMissingSalt);
    }
}

TEST(LWCommonCrypto, RandomData) {
    EXPECT_EQ(LWCommonCrypto::randomDataOfLength(0), Data{});
    const auto first = LWCommonCrypto::randomDataOfLength(16);
    const auto second = LWCommonCrypto::randomDataOfLength(16);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->size(), 16u);
    EXPECT_NE(first, second);
}

TEST(LWCommonCrypto, DataSHA1) {
    // FIPS 180 "abc" example and the digest of no bytes.
    EXPECT_EQ(LWCommonCrypto::dataSHA1(dataFromBytes("abc")),
              fromHex("a9993e364706816aba3e25717850c26c9cd0d89d"));
    const Data empty = fromHex("da39a3ee5e6b4b0d3255bfef95601890afd80709");
    EXPECT_EQ(LWCommonCrypto::dataSHA1(Data{}), empty);
    EXPECT_EQ(LWCommonCrypto::dataSHA1(std::nullopt), empty);
}
