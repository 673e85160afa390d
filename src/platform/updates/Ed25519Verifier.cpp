#include "platform/updates/Ed25519Verifier.h"

#include <openssl/evp.h>

#include <dlfcn.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <type_traits>

namespace kestrel {

namespace {

constexpr std::size_t publicKeySize = 32;
constexpr std::size_t signatureSize = 64;

// OpenSSL's signature functions, loaded the first time a package is checked: linked in,
// libcrypto would cost every run about 1.5 MiB for a check that happens rarely.
struct Crypto {
    decltype(&EVP_PKEY_new_raw_public_key) newRawPublicKey = nullptr;
    decltype(&EVP_PKEY_free) freeKey = nullptr;
    decltype(&EVP_MD_CTX_new) newContext = nullptr;
    decltype(&EVP_MD_CTX_free) freeContext = nullptr;
    decltype(&EVP_DigestVerifyInit) verifyInit = nullptr;
    decltype(&EVP_DigestVerify) verify = nullptr;

    // Nothing when libcrypto 3 is not there.
    static const Crypto* load()
    {
        static const std::optional<Crypto> crypto = []() -> std::optional<Crypto> {
            void* library = ::dlopen("libcrypto.so.3", RTLD_NOW | RTLD_LOCAL);
            if (!library)
                return std::nullopt;
            Crypto functions;
            const auto find = [library](auto& function, const char* name) {
                function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(::dlsym(library, name));
                return function != nullptr;
            };
            if (!find(functions.newRawPublicKey, "EVP_PKEY_new_raw_public_key") ||
                !find(functions.freeKey, "EVP_PKEY_free") || !find(functions.newContext, "EVP_MD_CTX_new") ||
                !find(functions.freeContext, "EVP_MD_CTX_free") ||
                !find(functions.verifyInit, "EVP_DigestVerifyInit") || !find(functions.verify, "EVP_DigestVerify"))
                return std::nullopt;
            return functions; // the library stays loaded for the rest of the run
        }();
        return crypto ? &*crypto : nullptr;
    }
};

} // namespace

std::optional<std::vector<unsigned char>> Ed25519Verifier::decodeBase64(const std::string& text)
{
    if (text.empty() || text.size() % 4 != 0)
        return std::nullopt;
    static constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::vector<unsigned char> bytes;
    std::uint32_t bits = 0;
    int count = 0;
    std::size_t padding = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '=') {
            // Only at the very end, at most two.
            if (i + 2 < text.size() || ++padding > 2)
                return std::nullopt;
            continue;
        }
        if (padding > 0)
            return std::nullopt;
        const auto value = alphabet.find(c);
        if (value == std::string_view::npos)
            return std::nullopt;
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        if (++count == 4) {
            bytes.push_back(static_cast<unsigned char>(bits >> 16));
            bytes.push_back(static_cast<unsigned char>(bits >> 8));
            bytes.push_back(static_cast<unsigned char>(bits));
            bits = 0;
            count = 0;
        }
    }
    if (padding == 1 && count == 3) {
        bytes.push_back(static_cast<unsigned char>(bits >> 10));
        bytes.push_back(static_cast<unsigned char>(bits >> 2));
    } else if (padding == 2 && count == 2) {
        bytes.push_back(static_cast<unsigned char>(bits >> 4));
    } else if (padding != 0 || count != 0) {
        return std::nullopt;
    }
    return bytes;
}

Ed25519Verifier::Ed25519Verifier(const std::string& publicKeyBase64)
{
    auto key = decodeBase64(publicKeyBase64);
    if (key && key->size() == publicKeySize)
        m_publicKey = std::move(key);
}

UiMessage Ed25519Verifier::verify(const std::filesystem::path& file, std::uint64_t expectedLength,
                                  const std::string& signatureBase64) const
{
    if (!m_publicKey)
        return KESTREL_TEXT("Updates", "this Kestrel was built without a key to check updates with");
    const auto signature = decodeBase64(signatureBase64);
    if (!signature || signature->size() != signatureSize)
        return KESTREL_TEXT("Updates", "the update feed's signature is not an Ed25519 signature");
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (error)
        return {KESTREL_TEXT("Updates", "cannot read the package: %1"), {error.message()}};
    if (size != expectedLength)
        return {KESTREL_TEXT("Updates", "the package is %1 bytes long, not %2"),
                {std::to_string(size), std::to_string(expectedLength)}};
    std::ifstream in(file, std::ios::binary);
    const std::vector<unsigned char> contents((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (contents.size() != size)
        return KESTREL_TEXT("Updates", "cannot read the package");

    const Crypto* crypto = Crypto::load();
    if (!crypto)
        return KESTREL_TEXT("Updates", "the signature could not be checked: OpenSSL's libcrypto 3 is not installed");
    const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
        crypto->newRawPublicKey(EVP_PKEY_ED25519, nullptr, m_publicKey->data(), m_publicKey->size()), crypto->freeKey);
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(crypto->newContext(), crypto->freeContext);
    if (!key || !context || crypto->verifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return KESTREL_TEXT("Updates", "the signature could not be checked");
    if (crypto->verify(context.get(), signature->data(), signature->size(), contents.data(), contents.size()) != 1)
        return KESTREL_TEXT("Updates", "the signature does not match the package");
    return {};
}

} // namespace kestrel
