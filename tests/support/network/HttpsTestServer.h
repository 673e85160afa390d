#pragma once

#include <QByteArray>
#include <QSslServer>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <string>

namespace kestrel::test {

// An HTTPS server on 127.0.0.1 for the update tests, with a certificate of its own made for
// the occasion. Each path answers as the test says: a status and a body, a redirect, a body
// cut short, or a flood.
class HttpsTestServer {
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        QByteArray location;         // a redirect's target path
        qint64 announcedLength = -1; // Content-Length when it differs from the body's (cut short)
        qint64 floodBytes = 0;       // instead of a body: this many bytes, with no length given
    };

    HttpsTestServer();
    ~HttpsTestServer();

    bool isListening() const { return m_server.isListening(); }
    const QString& error() const { return m_error; }
    QString url(const QString& path) const;
    // The certificate to trust (PEM file) for this server.
    QString certificateFile() const { return m_folder.filePath(QStringLiteral("cert.pem")); }

    void answer(const QString& path, Answer answer) { m_answers[path] = std::move(answer); }

private:
    void serve(class QSslSocket* socket);

    QTemporaryDir m_folder;
    QSslServer m_server;
    QString m_error;
    std::map<QString, Answer> m_answers;
};

} // namespace kestrel::test
