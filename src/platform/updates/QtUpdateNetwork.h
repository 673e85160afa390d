#pragma once

#include "platform/UpdateServices.h"

#include <QByteArray>
#include <QPointer>

#include <filesystem>
#include <memory>

class QFile;
class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

namespace kestrel {

// Update feeds and packages over HTTPS with Qt Network. Certificates are checked against the
// system's authorities and, as OpenSSL programs do, against the file and folders named by
// SSL_CERT_FILE and SSL_CERT_DIR. Redirects are followed a few times and never from HTTPS
// to HTTP; a transfer that stalls for 30 s is given up; a feed larger than 2 MiB, or a
// package longer than its feed said, is cut off. Nothing of Qt Network is loaded before the
// first request.
class QtUpdateNetwork final : public UpdateNetwork {
public:
    static constexpr qint64 maximumFeedSize = 2 * 1024 * 1024;
    static constexpr int maximumRedirects = 5;
    static constexpr int stallTimeoutMs = 30'000;

    // Packages are saved in `downloadFolder` (Kestrel's cache folder).
    explicit QtUpdateNetwork(std::filesystem::path downloadFolder);
    ~QtUpdateNetwork() override;

    void fetchFeed(const std::string& url, std::function<void(Feed)> done) override;
    void download(const std::string& url, std::uint64_t maximumLength,
                  std::function<void(std::uint64_t received)> progress, std::function<void(Download)> done) override;

private:
    QNetworkRequest request(const std::string& url) const;
    QNetworkAccessManager& manager();

    std::filesystem::path m_downloadFolder;
    std::unique_ptr<QNetworkAccessManager> m_manager;
    QPointer<QNetworkReply> m_feedReply;
    QPointer<QNetworkReply> m_downloadReply;
};

} // namespace kestrel
