#pragma once

#include "platform/UpdateServices.h"

#include <filesystem>
#include <memory>

class QLibrary;

namespace kestrel {

// The update network, loaded the first time it is used: Qt Network and the libraries it
// pulls in (Kerberos, proxies) cost every run about a megabyte, and most runs never check
// for updates (a distribution's Kestrel never does). See loadKestrelModule for where it lies.
class LazyUpdateNetwork final : public UpdateNetwork {
public:
    static constexpr const char* moduleName = "kestrel_update_network";

    explicit LazyUpdateNetwork(std::filesystem::path downloadFolder);
    ~LazyUpdateNetwork() override;

    void fetchFeed(const std::string& url, std::function<void(Feed)> done) override;
    void download(const std::string& url, std::uint64_t maximumLength,
                  std::function<void(std::uint64_t received)> progress, std::function<void(Download)> done) override;

private:
    // The loaded network, or nothing with `m_loadError` saying why.
    UpdateNetwork* network();

    std::filesystem::path m_downloadFolder;
    std::unique_ptr<QLibrary> m_library;
    std::unique_ptr<UpdateNetwork> m_network;
    UiMessage m_loadError;
};

} // namespace kestrel
