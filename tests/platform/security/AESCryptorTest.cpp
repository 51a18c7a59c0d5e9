#include "platform/security/AESCryptor.h"

#include "Hex.h"
#include "platform/security/CryptoStatus.h"

#include <algorithm>
#include <gtest/gtest.h>

using platform::AESCryptor;
using platform::Data;
using testhex::fromHex;
using testhex::toHex;
namespace cryptoStatus = platform::cryptoStatus;

namespace {

// NIST SP 800-38A, appendix F.
const Data iv = fromHex("000102030405060708090a0b0c0d0e0f");
const Data key128 = fromHex("2b7e151628aed2a6abf7158809cf4f3c");
const Data key192 = fromHex("8e73b0f7da0e6452c810f32b809079e562f8ead2522c6b7b");
const Data key256 = fromHex("603deb1015ca71be2b73aef0857d77811f352c073b6108d72d9810a30914dff4");
const Data plaintext = fromHex("6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e51"
                               "30c81c46a35ce411e5fbc1191a0a52eff69f2445df4f9b17ad2b417be66c3710");
const std::string cbc256 = "f58c4c04d6e5f1ba779eabfb5f7bfbd69cfc4e967edb808d679f777bc6702c7d"
                           "39f23369a9d9bacfa530e26304231461b2eb05e2c39be9fcda6c19078c6a9d1b";
const std::string ecb256 = "f3eed1bdb5d2a03c064b5a7e3db181f8591ccb10d410ed26dc5ba74a31362870"
                           "b6ed21b99ca6f4f9f153e7b1beafed1d23304b7a39f9f3ff067d8d8f9e24ecc7";

struct Result {
    std::int32_t status;
    Data output;
};

// As the cipher object drives it: one buffer of the final length, one update, one final.
Result run(std::uint32_t operation, std::uint32_t options, const Data& key, const Data& input) {
    std::unique_ptr<AESCryptor> cryptor;
    std::int32_t status =
        AESCryptor::create(operation, options, key.data(), key.size(), iv.data(), cryptor);
    if (status != cryptoStatus::success)
        return {status, {}};
    Data out(cryptor->outputLength(input.size(), true));
    std::size_t updated = 0;
    status = cryptor->update(input.data(), input.size(), out.data(), out.size(), updated);
    if (status != cryptoStatus::success)
        return {status, {}};
    std::size_t finished = 0;
    status = cryptor->final(out.data() + updated, out.size() - updated, finished);
    out.resize(updated + finished);
    return {status, out};
}

// Several updates of uneven sizes, each given exactly the length it asks for.
Result runInPieces(std::uint32_t operation, std::uint32_t options, const Data& input) {
    std::unique_ptr<AESCryptor> cryptor;
    std::int32_t status =
        AESCryptor::create(operation, options, key256.data(), key256.size(), iv.data(), cryptor);
    Data out;
    std::size_t offset = 0;
    for (std::size_t piece : {1, 0, 7, 16, 9, 33, 1000}) {
        piece = std::min(piece, input.size() - offset);
        const std::size_t at = out.size();
        out.resize(at + cryptor->outputLength(piece, false));
        std::size_t moved = 0;
        status =
            cryptor->update(input.data() + offset, piece, out.data() + at, out.size() - at, moved);
        if (status != cryptoStatus::success)
            return {status, {}};
        out.resize(at + moved);
        offset += piece;
    }
    const std::size_t at = out.size();
    out.resize(at + cryptor->outputLength(0, true));
    std::size_t moved = 0;
    status = cryptor->final(out.data() + at, out.size() - at, moved);
    out.resize(at + moved);
    return {status, out};
}

} // namespace

TEST(AESCryptor, KnownAnswers) {
    struct Case {
        const char* what;
        std::uint32_t operation;
        std::uint32_t options;
        const Data& key;
        Data input;
        std::string output;
    };
    // The padded cases' last blocks: Python's cryptography package, PKCS7(128) padder
    // before AES-CBC and AES-ECB with the key and IV above.
    const Case cases[] = {
        {"F.2.1 CBC-AES128.Encrypt", AESCryptor::encrypt, 0, key128, plaintext,
         "7649abac8119b246cee98e9b12e9197d5086cb9b507219ee95db113a917678b2"
         "73bed6b8e3c1743b7116e69e222295163ff1caa1681fac09120eca307586e1a7"},
        {"F.2.3 CBC-AES192.Encrypt", AESCryptor::encrypt, 0, key192, plaintext,
         "4f021db243bc633d7178183a9fa071e8b4d9ada9ad7dedf4e5e738763f69145a"
         "571b242012fb7ae07fa9baac3df102e008b0e27988598881d920a9e64f5615cd"},
        {"F.2.5 CBC-AES256.Encrypt", AESCryptor::encrypt, 0, key256, plaintext, cbc256},
        {"F.2.6 CBC-AES256.Decrypt", AESCryptor::decrypt, 0, key256, fromHex(cbc256),
         toHex(plaintext)},
        {"F.1.5 ECB-AES256.Encrypt", AESCryptor::encrypt, AESCryptor::optionECBMode, key256,
         plaintext, ecb256},
        {"CBC with padding", AESCryptor::encrypt, AESCryptor::optionPKCS7Padding, key256, plaintext,
         cbc256 + "3f461796d6b0d6b2e0c2a72b4d80e644"},
        {"ECB with padding", AESCryptor::encrypt, 3, key256, plaintext,
         ecb256 + "4c45dfb3b3b484ec35b0512dc8c1c4d6"},
        {"CBC with padding, decrypt", AESCryptor::decrypt, AESCryptor::optionPKCS7Padding, key256,
         fromHex(cbc256 + "3f461796d6b0d6b2e0c2a72b4d80e644"), toHex(plaintext)},
    };
    for (const Case& c : cases) {
        const Result result = run(c.operation, c.options, c.key, c.input);
        EXPECT_EQ(result.status, cryptoStatus::success) << c.what;
        EXPECT_EQ(toHex(result.output), c.output) << c.what;
    }
}

TEST(AESCryptor, FinalLengthHoldsUpdateAndFinalForEveryLength) {
    for (std::uint32_t options : {0u, 1u, 2u, 3u}) {
        const bool padding = (options & AESCryptor::optionPKCS7Padding) != 0;
        for (std::size_t length = 0; length <= 64; ++length) {
            if (!padding && length % 16 != 0)
                continue;
            const Data input(length, 0x5A);
            const Result sealed = run(AESCryptor::encrypt, options, key256, input);
            ASSERT_EQ(sealed.status, cryptoStatus::success) << options << "/" << length;
            EXPECT_EQ(sealed.output.size(), padding ? (length / 16 + 1) * 16 : length);
            const Result opened = run(AESCryptor::decrypt, options, key256, sealed.output);
            ASSERT_EQ(opened.status, cryptoStatus::success) << options << "/" << length;
            EXPECT_EQ(opened.output, input) << options << "/" << length;
        }
    }
}

TEST(AESCryptor, UnevenUpdatesGiveTheSameBytesAsOne) {
    for (std::size_t length : {0, 15, 16, 17, 64, 100}) {
        Data input(length);
        for (std::size_t i = 0; i < length; ++i)
            input[i] = static_cast<std::uint8_t>(i * 7);
        const Result whole =
            run(AESCryptor::encrypt, AESCryptor::optionPKCS7Padding, key256, input);
        const Result pieces =
            runInPieces(AESCryptor::encrypt, AESCryptor::optionPKCS7Padding, input);
        ASSERT_EQ(pieces.status, cryptoStatus::success) << length;
        EXPECT_EQ(pieces.output, whole.output) << length;
        const Result opened =
            runInPieces(AESCryptor::decrypt, AESCryptor::optionPKCS7Padding, whole.output);
        ASSERT_EQ(opened.status, cryptoStatus::success) << length;
        EXPECT_EQ(opened.output, input) << length;
    }
}

TEST(AESCryptor, CreateRefusesWhatItCannotTake) {
    const Data key20(20, 1);
    struct Case {
        const char* what;
        std::uint32_t operation;
        std::uint32_t options;
        const Data& key;
        const std::uint8_t* iv;
    };
    const Case cases[] = {
        {"key of 20 bytes", AESCryptor::encrypt, 1, key20, iv.data()},
        {"unknown option bit", AESCryptor::encrypt, 4, key256, iv.data()},
        {"unknown operation", 2, 1, key256, iv.data()},
        {"CBC without IV", AESCryptor::decrypt, 1, key256, nullptr},
    };
    for (const Case& c : cases) {
        std::unique_ptr<AESCryptor> cryptor;
        EXPECT_EQ(
            AESCryptor::create(c.operation, c.options, c.key.data(), c.key.size(), c.iv, cryptor),
            cryptoStatus::paramError)
            << c.what;
        EXPECT_EQ(cryptor, nullptr) << c.what;
    }
    std::unique_ptr<AESCryptor> ecb;
    EXPECT_EQ(AESCryptor::create(AESCryptor::encrypt, AESCryptor::optionECBMode, key256.data(),
                                 key256.size(), nullptr, ecb),
              cryptoStatus::success);
}

TEST(AESCryptor, StepsFailOnBadInput) {
    // One block that decrypts to zeros: its last byte is no PKCS#7 padding.
    const Data zeroBlock = run(AESCryptor::encrypt, 0, key256, Data(16, 0)).output;
    struct Case {
        const char* what;
        std::uint32_t operation;
        std::uint32_t options;
        Data input;
        std::int32_t status;
    };
    const Case cases[] = {
        {"CBC without padding, partial block", AESCryptor::encrypt, 0, Data(17, 1),
         cryptoStatus::alignmentError},
        {"ECB without padding, partial block", AESCryptor::encrypt, 2, Data(15, 1),
         cryptoStatus::alignmentError},
        {"invalid padding", AESCryptor::decrypt, 1, zeroBlock, cryptoStatus::decodeError},
        {"ciphertext not whole blocks", AESCryptor::decrypt, 1, Data(20, 1),
         cryptoStatus::decodeError},
        {"empty ciphertext", AESCryptor::decrypt, 1, Data{}, cryptoStatus::decodeError},
    };
    for (const Case& c : cases) {
        const Result result = run(c.operation, c.options, key256, c.input);
        EXPECT_EQ(result.status, c.status) << c.what;
    }
}

TEST(AESCryptor, RefusesTooLittleSpaceAndUseAfterFinal) {
    std::unique_ptr<AESCryptor> cryptor;
    ASSERT_EQ(AESCryptor::create(AESCryptor::encrypt, 1, key256.data(), key256.size(), iv.data(),
                                 cryptor),
              cryptoStatus::success);
    Data out(64);
    std::size_t moved = 99;
    EXPECT_EQ(cryptor->update(plaintext.data(), 40, out.data(), 31, moved),
              cryptoStatus::bufferTooSmall);
    EXPECT_EQ(moved, 0u);
    ASSERT_EQ(cryptor->update(plaintext.data(), 40, out.data(), 32, moved), cryptoStatus::success);
    EXPECT_EQ(moved, 32u);
    EXPECT_EQ(cryptor->final(out.data() + 32, 15, moved), cryptoStatus::bufferTooSmall);
    ASSERT_EQ(cryptor->final(out.data() + 32, 16, moved), cryptoStatus::success);
    EXPECT_EQ(cryptor->final(out.data() + 48, 16, moved), cryptoStatus::paramError);
    EXPECT_EQ(cryptor->update(plaintext.data(), 16, out.data() + 48, 16, moved),
              cryptoStatus::paramError);
}
