#pragma once

#include "platform/UpdateServices.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrel {

// Checks update packages against the Ed25519 public key built into Kestrel: the package
// must be exactly as long as the feed says, and the feed's signature must be a signature of
// the whole package by that key.
class Ed25519Verifier final : public PackageVerifier {
public:
    // The public key as base64 of its 32 bytes. An empty or malformed key verifies nothing.
    explicit Ed25519Verifier(const std::string& publicKeyBase64);

    UiMessage verify(const std::filesystem::path& file, std::uint64_t expectedLength,
                     const std::string& signatureBase64) const override;

    // Strict base64 (with padding, no line breaks): nothing for anything else.
    static std::optional<std::vector<unsigned char>> decodeBase64(const std::string& text);

private:
    std::optional<std::vector<unsigned char>> m_publicKey;
};

} // namespace kestrel
