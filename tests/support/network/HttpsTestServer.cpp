#include "support/network/HttpsTestServer.h"

#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>
#include <QTimer>

namespace kestrel::test {

HttpsTestServer::HttpsTestServer()
{
    // A certificate for 127.0.0.1, valid for a day.
    QProcess openssl;
    openssl.setWorkingDirectory(m_folder.path());
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-keyout",
                   "key.pem", "-out", "cert.pem", "-days", "1", "-subj", "/CN=127.0.0.1", "-addext",
                   "subjectAltName=IP:127.0.0.1"});
    if (!openssl.waitForFinished(20000) || openssl.exitCode() != 0) {
        m_error = QStringLiteral("openssl could not make a certificate: ") + openssl.readAllStandardError();
        return;
    }
    QFile keyFile(m_folder.filePath(QStringLiteral("key.pem")));
    keyFile.open(QIODevice::ReadOnly);
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(QSslCertificate::fromPath(certificateFile()).value(0));
    configuration.setPrivateKey(QSslKey(&keyFile, QSsl::Ec));
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    m_server.setSslConfiguration(configuration);
    QObject::connect(&m_server, &QTcpServer::pendingConnectionAvailable, [this] {
        while (m_server.hasPendingConnections())
            serve(static_cast<QSslSocket*>(m_server.nextPendingConnection()));
    });
    if (!m_server.listen(QHostAddress::LocalHost, 0))
        m_error = m_server.errorString();
}

HttpsTestServer::~HttpsTestServer() = default;

QString HttpsTestServer::url(const QString& path) const
{
    return QStringLiteral("https://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

void HttpsTestServer::serve(QSslSocket* socket)
{
    auto request = std::make_shared<QByteArray>();
    QObject::connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QSslSocket::readyRead, socket, [this, socket, request] {
        request->append(socket->readAll());
        if (!request->contains("\r\n\r\n"))
            return;
        const QString path = QString::fromLatin1(request->split(' ').value(1));
        const auto found = m_answers.find(path);
        const Answer answer = found != m_answers.end() ? found->second : Answer{.status = 404};
        QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + " Test\r\nConnection: close\r\n";
        if (!answer.location.isEmpty())
            head += "Location: " + url(QString::fromLatin1(answer.location)).toLatin1() + "\r\n";
        if (answer.floodBytes == 0)
            head += "Content-Length: " +
                    QByteArray::number(answer.announcedLength >= 0 ? answer.announcedLength : answer.body.size()) +
                    "\r\n";
        socket->write(head + "\r\n");
        if (answer.floodBytes == 0) {
            socket->write(answer.body);
            socket->disconnectFromHost(); // after what was written, cut short or not
            return;
        }
        // A flood, a megabyte at a time while the client keeps reading.
        auto left = std::make_shared<qint64>(answer.floodBytes);
        auto more = [socket, left] {
            if (*left <= 0 || socket->state() != QAbstractSocket::ConnectedState)
                return socket->disconnectFromHost();
            const qint64 chunk = std::min<qint64>(*left, 1024 * 1024);
            *left -= chunk;
            socket->write(QByteArray(static_cast<qsizetype>(chunk), 'x'));
        };
        QObject::connect(socket, &QSslSocket::encryptedBytesWritten, socket, [socket, more] {
            if (socket->encryptedBytesToWrite() == 0)
                more();
        });
        more();
    });
}

} // namespace kestrel::test
