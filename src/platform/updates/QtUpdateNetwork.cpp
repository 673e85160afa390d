#include "platform/updates/QtUpdateNetwork.h"

#include "platform/updates/AppcastReader.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QUrl>

namespace kestrel {

namespace {

constexpr UiText cannotWritePackage = KESTREL_TEXT("Updates", "cannot write the package: %1");

UiMessage httpStatus(int status)
{
    return {KESTREL_TEXT("Updates", "the server answered HTTP %1"), {std::to_string(status)}};
}

// Why a reply failed, in words for the user.
UiMessage describeFailure(QNetworkReply& reply, const UiMessage& ownReason)
{
    if (!ownReason.isEmpty())
        return ownReason;
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    switch (reply.error()) {
    case QNetworkReply::TooManyRedirectsError:
        return KESTREL_TEXT("Updates", "the server redirects too often");
    case QNetworkReply::InsecureRedirectError:
        return KESTREL_TEXT("Updates", "the server redirects to an address that is not secure");
    case QNetworkReply::SslHandshakeFailedError:
        return {KESTREL_TEXT("Updates", "the server's certificate is not trusted (%1)"),
                {reply.errorString().toStdString()}};
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TimeoutError:
        return KESTREL_TEXT("Updates", "the server did not answer in time");
    default:
        break;
    }
    if (status >= 400)
        return httpStatus(status);
    return verbatim(reply.errorString().toStdString()); // Qt's own words, in its catalogue's language
}

// Stops a request whose answer nobody waits for any more, without telling anyone.
void abandon(QPointer<QNetworkReply>& reply)
{
    if (reply) {
        reply->disconnect();
        reply->abort();
    }
    reply.clear();
}

bool isSecure(const std::string& url)
{
    return QUrl(QString::fromStdString(url)).scheme() == QLatin1String("https");
}

// The package's file name from its address, kept to plain characters.
QString fileNameFor(const std::string& url)
{
    QString name = QUrl(QString::fromStdString(url)).fileName();
    for (QChar& c : name) {
        if (!c.isLetterOrNumber() && c != u'.' && c != u'-' && c != u'_' && c != u'+')
            c = u'_';
    }
    if (name.isEmpty() || name.startsWith(u'.'))
        name.prepend(QStringLiteral("kestrel-update"));
    return name;
}

} // namespace

QtUpdateNetwork::QtUpdateNetwork(std::filesystem::path downloadFolder) : m_downloadFolder(std::move(downloadFolder)) {}

QtUpdateNetwork::~QtUpdateNetwork()
{
    abandon(m_feedReply);
    abandon(m_downloadReply);
}

QNetworkAccessManager& QtUpdateNetwork::manager()
{
    if (!m_manager)
        m_manager = std::make_unique<QNetworkAccessManager>();
    return *m_manager;
}

QNetworkRequest QtUpdateNetwork::request(const std::string& url) const
{
    QNetworkRequest request(QUrl(QString::fromStdString(url)));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(maximumRedirects);
    request.setTransferTimeout(stallTimeoutMs);
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    QList<QSslCertificate> authorities = ssl.caCertificates();
    if (const QByteArray file = qgetenv("SSL_CERT_FILE"); !file.isEmpty())
        authorities += QSslCertificate::fromPath(QString::fromLocal8Bit(file), QSsl::Pem);
    if (const QByteArray folders = qgetenv("SSL_CERT_DIR"); !folders.isEmpty()) {
        for (const QByteArray& folder : folders.split(':')) {
            if (!folder.isEmpty())
                authorities += QSslCertificate::fromPath(QString::fromLocal8Bit(folder) + QStringLiteral("/*"),
                                                         QSsl::Pem, QSslCertificate::PatternSyntax::Wildcard);
        }
    }
    ssl.setCaCertificates(authorities);
    request.setSslConfiguration(ssl);
    return request;
}

void QtUpdateNetwork::fetchFeed(const std::string& url, std::function<void(Feed)> done)
{
    abandon(m_feedReply);
    if (!isSecure(url)) {
        done({.error = KESTREL_TEXT("Updates", "the update feed's address does not start with https://")});
        return;
    }
    QNetworkReply* reply = manager().get(request(url));
    m_feedReply = reply;
    auto body = std::make_shared<QByteArray>();
    auto tooLarge = std::make_shared<bool>(false);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, body, tooLarge] {
        body->append(reply->readAll());
        if (body->size() > maximumFeedSize ||
            reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > maximumFeedSize) {
            *tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, body, tooLarge, done = std::move(done)] {
        reply->deleteLater();
        if (!*tooLarge)
            body->append(reply->readAll());
        if (*tooLarge || reply->error() != QNetworkReply::NoError) {
            done(
                {.error = describeFailure(
                     *reply, *tooLarge ? KESTREL_TEXT("Updates", "the update feed is larger than an update feed can be")
                                       : UiText{})});
            return;
        }
        AppcastReader feed = AppcastReader::read(*body);
        done({.items = std::move(feed.items), .error = std::move(feed.error)});
    });
}

void QtUpdateNetwork::download(const std::string& url, std::uint64_t maximumLength,
                               std::function<void(std::uint64_t received)> progress, std::function<void(Download)> done)
{
    abandon(m_downloadReply);
    if (!isSecure(url)) {
        done({.error = KESTREL_TEXT("Updates", "the package's address does not start with https://")});
        return;
    }
    const QString folder = QString::fromStdString(m_downloadFolder.string());
    if (m_downloadFolder.empty() || !QDir().mkpath(folder)) {
        done({.error = KESTREL_TEXT("Updates", "there is no cache folder to download into")});
        return;
    }
    auto file = std::make_shared<QFile>(QDir(folder).filePath(fileNameFor(url)));
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        done({.error = {KESTREL_TEXT("Updates", "cannot write %1: %2"),
                        {file->fileName().toStdString(), file->errorString().toStdString()}}});
        return;
    }
    QNetworkReply* reply = manager().get(request(url));
    m_downloadReply = reply;
    auto received = std::make_shared<std::uint64_t>(0);
    auto ownReason = std::make_shared<UiMessage>();
    // Writes what has arrived; false once the package is longer than it should be.
    auto take = [reply, file, received, ownReason, maximumLength] {
        if (const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(); status >= 400) {
            *ownReason = httpStatus(status); // an error page, not the package
            return false;
        }
        const QByteArray chunk = reply->readAll();
        *received += static_cast<std::uint64_t>(chunk.size());
        if (*received > maximumLength)
            *ownReason = KESTREL_TEXT("Updates", "the package is longer than the update feed says");
        else if (file->write(chunk) != chunk.size())
            *ownReason = {cannotWritePackage, {file->errorString().toStdString()}};
        return ownReason->isEmpty();
    };
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, take, received, progress = std::move(progress)] {
        if (!take())
            reply->abort();
        else if (progress)
            progress(*received);
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, file, take, ownReason, done = std::move(done)] {
        reply->deleteLater();
        if (ownReason->isEmpty())
            take();
        // Small writes wait in the file's buffer: a full disk shows only when it is emptied.
        if (ownReason->isEmpty() && !file->flush())
            *ownReason = {cannotWritePackage, {file->errorString().toStdString()}};
        file->close();
        if (!ownReason->isEmpty() || reply->error() != QNetworkReply::NoError) {
            file->remove(); // a partial package is of no use to anyone
            done({.error = describeFailure(*reply, *ownReason)});
            return;
        }
        done({.file = file->fileName().toStdString()});
    });
}

} // namespace kestrel
