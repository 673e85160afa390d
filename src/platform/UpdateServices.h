#pragma once

#include "app/Appcast.h"
#include "common/UiText.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kestrel {

// Fetching what the update service needs over the network. Each call answers once, on the
// main thread, later; a new call of the same kind replaces one still running.
class UpdateNetwork {
public:
    struct Feed {
        std::vector<AppcastItem> items;
        UiMessage error; // in words for the user; empty on success
    };
    struct Download {
        std::filesystem::path file; // in Kestrel's cache folder
        UiMessage error;
    };

    virtual ~UpdateNetwork() = default;
    virtual void fetchFeed(const std::string& url, std::function<void(Feed)> done) = 0;
    // Stops after `maximumLength` bytes: a package longer than the feed said is not the one
    // it described.
    virtual void download(const std::string& url, std::uint64_t maximumLength,
                          std::function<void(std::uint64_t received)> progress, std::function<void(Download)> done) = 0;
};

// Checks a downloaded package against its length and its Ed25519 signature, made with the
// key built into Kestrel. Empty when it matches, else why not.
class PackageVerifier {
public:
    virtual ~PackageVerifier() = default;
    virtual UiMessage verify(const std::filesystem::path& file, std::uint64_t expectedLength,
                             const std::string& signatureBase64) const = 0;
};

// Hands a verified package to the system's installer. Empty when handed over, else why not.
class PackageInstaller {
public:
    virtual ~PackageInstaller() = default;
    virtual UiMessage install(const std::filesystem::path& file) = 0;
};

} // namespace kestrel
