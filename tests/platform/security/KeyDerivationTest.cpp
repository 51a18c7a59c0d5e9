#include "platform/security/KeyDerivation.h"

#include "Hex.h"
#include "platform/security/CryptoStatus.h"

#include <gtest/gtest.h>

using platform::deriveKeyPBKDF2;
using platform::PseudoRandomFunction;
using testhex::toHex;

namespace {

struct Vector {
    std::string password;
    std::string salt;
    std::uint32_t rounds;
    std::string derivedKey;
};

const std::uint8_t* bytesOf(const std::string& text) {
    return reinterpret_cast<const std::uint8_t*>(text.data());
}

std::int32_t derive(const Vector& v, platform::Data& out) {
    return deriveKeyPBKDF2(bytesOf(v.password), v.password.size(), bytesOf(v.salt), v.salt.size(),
                           PseudoRandomFunction::hmacSHA1, v.rounds, out.data(), out.size());
}

} // namespace

TEST(KeyDerivation, KnownAnswers) {
    using namespace std::string_literals;
    const Vector vectors[] = {
        // RFC 6070, section 2.
        {"password", "salt", 1, "0c60c80f961f0e71f3a9b524af6012062fe037a6"},
        {"password", "salt", 2, "ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957"},
        {"password", "salt", 4096, "4b007901b765489abead49d926f721d065a429c1"},
        {"passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096,
         "3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038"},
        {"pass\0word"s, "sa\0lt"s, 4096, "56fa6aa75548099dcc37d7f03425e0c3"},
        // The document's parameters (32 bytes, 10000 rounds), from
        // /usr/bin/python3 -c "import hashlib; print(hashlib.pbkdf2_hmac('sha1', b'password',
        // b'saltSALT', 10000, 32).hex())" and the same with b'' for both.
        {"password", "saltSALT", 10000,
         "b5d61df1fededb0a2b4aeef0b80bd92164f1c53962680b3c95deb9b862319665"},
        {"", "", 10000, "7f9894580f4165c8974bb506acb0d86126cfb25258039ef7508c57f82f595be5"},
    };
    for (const Vector& v : vectors) {
        platform::Data out(v.derivedKey.size() / 2);
        EXPECT_EQ(derive(v, out), platform::cryptoStatus::success) << v.password;
        EXPECT_EQ(toHex(out), v.derivedKey) << v.password << " / " << v.rounds;
    }
}

TEST(KeyDerivation, RefusedArgumentsLeaveTheOutputAlone) {
    const std::string password = "password";
    const std::string salt = "salt";
    struct Case {
        const char* what;
        const std::uint8_t* password;
        std::size_t passwordLength;
        PseudoRandomFunction prf;
        std::uint32_t rounds;
        std::size_t outputLength;
    };
    const Case cases[] = {
        {"no rounds", bytesOf(password), password.size(), PseudoRandomFunction::hmacSHA1, 0, 32},
        {"unknown function", bytesOf(password), password.size(), PseudoRandomFunction{7}, 1, 32},
        {"no output", bytesOf(password), password.size(), PseudoRandomFunction::hmacSHA1, 1, 0},
        {"null password with a length", nullptr, 3, PseudoRandomFunction::hmacSHA1, 1, 32},
    };
    for (const Case& c : cases) {
        platform::Data out(32, 0xAB);
        EXPECT_NE(deriveKeyPBKDF2(c.password, c.passwordLength, bytesOf(salt), salt.size(), c.prf,
                                  c.rounds, out.data(), c.outputLength),
                  platform::cryptoStatus::success)
            << c.what;
        EXPECT_EQ(out, platform::Data(32, 0xAB)) << c.what;
    }
}
