#pragma once

#include <cstdint>
#include <initializer_list>

// What a document file of one format version holds, as the reader takes it. Versions
// are compared unsigned: a value that a signed reading would make negative is newer.
class DocumentFormatVersion {
public:
    static constexpr std::uint64_t current = 20400;
    // From here on the fields are AES ciphertexts with a password check; below, the body
    // alone is a Blowfish ciphertext.
    static constexpr std::uint64_t firstAES = 10700;

    explicit constexpr DocumentFormatVersion(std::uint64_t version) : version_(version) {}

    [[nodiscard]] constexpr std::uint64_t value() const { return version_; }
    [[nodiscard]] constexpr bool isNewerThanCurrent() const { return version_ > current; }
    [[nodiscard]] constexpr bool usesAES() const { return version_ >= firstAES; }

    // "isEditable".
    [[nodiscard]] bool storesEditableFlag() const;
    // "crDate", "crMAC", "salt", "IV", "rc" and "sha1-rc".
    [[nodiscard]] bool storesCipherFields() const;
    // "windowRecX", "windowRecY", "windowRecWidth" and "windowRecHeight".
    [[nodiscard]] bool storesFrame() const;
    // "makeToolbarVisibleAtDecrypt".
    [[nodiscard]] bool storesToolbarFlag() const;
    // Older files are marked changed when read, so that they are written anew.
    [[nodiscard]] bool isOlderFormat() const { return !storesToolbarFlag(); }

private:
    [[nodiscard]] bool isOneOf(std::initializer_list<std::uint64_t> versions) const;

    std::uint64_t version_;
};
