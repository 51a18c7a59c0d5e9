#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace platform {

// An AES encryption or decryption in progress: create, update as often as needed, final
// once. Ending the object releases it.
class AESCryptor {
public:
    static constexpr std::uint32_t encrypt = 0;
    static constexpr std::uint32_t decrypt = 1;

    // Option bits; 0 is CBC without padding.
    static constexpr std::uint32_t optionPKCS7Padding = 1;
    static constexpr std::uint32_t optionECBMode = 2;

    static constexpr std::size_t blockSize = 16;
    static constexpr std::size_t ivLength = 16;

    // The key is 16, 24 or 32 bytes; the IV is ivLength bytes and ignored in ECB mode.
    // On failure `cryptor` is left empty.
    [[nodiscard]] static std::int32_t create(std::uint32_t operation, std::uint32_t options,
                                             const std::uint8_t* key, std::size_t keyLength,
                                             const std::uint8_t* iv,
                                             std::unique_ptr<AESCryptor>& cryptor);

    ~AESCryptor();
    AESCryptor(const AESCryptor&) = delete;
    AESCryptor& operator=(const AESCryptor&) = delete;

    // With final = true: enough for update of inputLength bytes and final together.
    [[nodiscard]] std::size_t outputLength(std::size_t inputLength, bool final) const;

    [[nodiscard]] std::int32_t update(const std::uint8_t* input, std::size_t inputLength,
                                      std::uint8_t* output, std::size_t outputAvailable,
                                      std::size_t& outputMoved);

    // Encrypting with padding adds the padding block; decrypting checks and removes it.
    [[nodiscard]] std::int32_t final(std::uint8_t* output, std::size_t outputAvailable,
                                     std::size_t& outputMoved);

private:
    struct Context;

    AESCryptor(std::unique_ptr<Context> context, bool encrypting, bool padding);

    [[nodiscard]] std::size_t finalOutputBound() const;
    [[nodiscard]] std::int32_t finalPrecondition() const;

    std::unique_ptr<Context> context_;
    bool encrypting_;
    bool padding_;
    bool finished_ = false;
    // Bytes taken in and not yet written out: a partial block, or the last block that a
    // padded decryption holds back for final.
    std::size_t buffered_ = 0;
};

} // namespace platform
