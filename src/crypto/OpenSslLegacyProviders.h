#pragma once

#include <string>

struct ossl_provider_st;

// Blowfish lives in OpenSSL 3's legacy provider. Loading it explicitly switches off the
// implicit default provider, so both are loaded, once per process, before the first use.
class OpenSslLegacyProviders {
public:
    // Loads the providers on the first call; later calls give the same outcome.
    [[nodiscard]] static const OpenSslLegacyProviders& shared();

    [[nodiscard]] bool isLoaded() const { return loaded_; }
    // Empty when loaded; otherwise OpenSSL's account of the failure.
    [[nodiscard]] const std::string& failureReason() const { return failureReason_; }

    OpenSslLegacyProviders(const OpenSslLegacyProviders&) = delete;
    OpenSslLegacyProviders& operator=(const OpenSslLegacyProviders&) = delete;
    ~OpenSslLegacyProviders();

private:
    OpenSslLegacyProviders();

    ossl_provider_st* legacy_ = nullptr;
    ossl_provider_st* default_ = nullptr;
    bool loaded_ = false;
    std::string failureReason_;
};
