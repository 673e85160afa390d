#pragma once

#include "app/UpdateUserDriver.h"
#include "platform/UpdateServices.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kestrel::test {

// The network under the test's control: requests wait until the test answers them.
class FakeUpdateNetwork final : public UpdateNetwork {
public:
    int feedRequests = 0;
    std::function<void(Feed)> pendingFeed;
    std::function<void(Download)> pendingDownload;
    std::function<void(std::uint64_t)> pendingProgress;
    std::string downloadedURL;
    std::uint64_t downloadedMaximumLength = 0;

    void fetchFeed(const std::string&, std::function<void(Feed)> done) override
    {
        ++feedRequests;
        pendingFeed = std::move(done);
    }
    void download(const std::string& url, std::uint64_t maximumLength, std::function<void(std::uint64_t)> progress,
                  std::function<void(Download)> done) override
    {
        downloadedURL = url;
        downloadedMaximumLength = maximumLength;
        pendingProgress = std::move(progress);
        pendingDownload = std::move(done);
    }

    void answerFeed(Feed feed) { std::exchange(pendingFeed, nullptr)(std::move(feed)); }
    void answerDownload(Download download) { std::exchange(pendingDownload, nullptr)(std::move(download)); }
};

// Answers `mismatch` and records what it was asked to check.
class FakePackageVerifier final : public PackageVerifier {
public:
    struct Request {
        std::filesystem::path file;
        std::uint64_t length = 0;
        std::string signature;
    };
    std::string mismatch; // what verify answers
    mutable std::vector<Request> requests;

    UiMessage verify(const std::filesystem::path& file, std::uint64_t length,
                     const std::string& signature) const override
    {
        requests.push_back({file, length, signature});
        return mismatch.empty() ? UiMessage() : verbatim(mismatch);
    }
};

// Records each package it is handed and answers `failure` (empty: handed over).
class FakePackageInstaller final : public PackageInstaller {
public:
    std::vector<std::filesystem::path> installed;
    std::string failure;
    UiMessage install(const std::filesystem::path& file) override
    {
        installed.push_back(file);
        return failure.empty() ? UiMessage() : verbatim(failure);
    }
};

// Records what the update window was asked to show.
class RecordingUserDriver final : public UpdateUserDriver {
public:
    std::vector<std::string> shown;
    std::function<void(UpdateChoice)> choose;
    std::optional<AppcastItem> offered;

    void showChecking() override { shown.push_back("checking"); }
    void showUpToDate(const std::string& version) override { shown.push_back("up to date " + version); }
    void showError(const UiMessage& message) override { shown.push_back("error: " + message.english()); }
    void showUpdate(const AppcastItem& update, std::function<void(UpdateChoice)> answer) override
    {
        shown.push_back("update " + update.version);
        offered = update;
        choose = std::move(answer);
    }
    void showDownloading(std::uint64_t received, std::uint64_t total) override
    {
        shown.push_back("downloading " + std::to_string(received) + "/" + std::to_string(total));
    }
    void showInstalled(const UiMessage&) override { shown.push_back("installed"); }
};

} // namespace kestrel::test
