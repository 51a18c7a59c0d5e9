// The cipher layer's costs: the key derivation, AES-256-CBC through the cipher object (each
// call derives the key again, by design) and through the cryptor alone, and SHA-1.
#include "crypto/LWCommonCrypto.h"
#include "platform/security/AESCryptor.h"
#include "platform/security/KeyDerivation.h"
#include "platform/security/OutputBuffer.h"

#include <benchmark/benchmark.h>

using platform::AESCryptor;
using platform::Data;

namespace {

const Data salt = platform::dataFromBytes("saltSALT");
const Data key(32, 0x42);
const Data iv(16, 0x24);

Data payload(std::size_t length) {
    return Data(length, 0x5A);
}

void setBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

LWCommonCrypto cipherObject() {
    LWCommonCrypto crypto;
    crypto.setPasswordToDecrypt(u"correct horse battery staple", iv, salt);
    return crypto;
}

Data cryptorRun(std::uint32_t operation, const Data& input) {
    std::unique_ptr<AESCryptor> cryptor;
    if (AESCryptor::create(operation, AESCryptor::optionPKCS7Padding, key.data(), key.size(),
                           iv.data(), cryptor) != 0)
        return {};
    Data out = platform::zeroedOutputBuffer(cryptor->outputLength(input.size(), true));
    std::size_t updated = 0, finished = 0;
    if (cryptor->update(input.data(), input.size(), out.data(), out.size(), updated) != 0 ||
        cryptor->final(out.data() + updated, out.size() - updated, finished) != 0)
        return {};
    out.resize(updated + finished);
    return out;
}

void BM_KeyDerivation(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            LWCommonCrypto::AESKeyForPassword(u"correct horse battery staple", salt));
}

// One PKCS5_PBKDF2_HMAC call of the same parameters, for comparison.
void BM_PBKDF2Alone(benchmark::State& state) {
    const std::string password = "correct horse battery staple";
    std::uint8_t out[32];
    for (auto _ : state) {
        benchmark::DoNotOptimize(platform::deriveKeyPBKDF2(
            reinterpret_cast<const std::uint8_t*>(password.data()), password.size(), salt.data(),
            salt.size(), platform::PseudoRandomFunction::hmacSHA1, 10000, out, sizeof out));
        benchmark::ClobberMemory();
    }
}

void BM_Encrypt(benchmark::State& state) {
    LWCommonCrypto crypto = cipherObject();
    // Held as the cipher object takes it: a plain Data would be copied into a temporary.
    const std::optional<Data> input = payload(static_cast<std::size_t>(state.range(0)));
    std::int32_t status = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(crypto.encrypt(input, status));
    setBytes(state);
}

void BM_Decrypt(benchmark::State& state) {
    LWCommonCrypto crypto = cipherObject();
    std::int32_t status = 0;
    const auto sealed = crypto.encrypt(payload(static_cast<std::size_t>(state.range(0))), status);
    for (auto _ : state)
        benchmark::DoNotOptimize(crypto.decrypt(sealed, status));
    setBytes(state);
}

void BM_CryptorEncrypt(benchmark::State& state) {
    const Data input = payload(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(cryptorRun(AESCryptor::encrypt, input));
    setBytes(state);
}

void BM_CryptorDecrypt(benchmark::State& state) {
    const Data sealed =
        cryptorRun(AESCryptor::encrypt, payload(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(cryptorRun(AESCryptor::decrypt, sealed));
    setBytes(state);
}

void BM_SHA1(benchmark::State& state) {
    const std::optional<Data> input = payload(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(LWCommonCrypto::dataSHA1(input));
    setBytes(state);
}

constexpr std::int64_t KiB = 1024;
constexpr std::int64_t MiB = 1024 * KiB;

} // namespace

BENCHMARK(BM_KeyDerivation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PBKDF2Alone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encrypt)->Arg(KiB)->Arg(MiB)->Arg(64 * MiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decrypt)->Arg(KiB)->Arg(MiB)->Arg(64 * MiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CryptorEncrypt)->Arg(KiB)->Arg(MiB)->Arg(64 * MiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CryptorDecrypt)->Arg(KiB)->Arg(MiB)->Arg(64 * MiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SHA1)->Arg(MiB)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
