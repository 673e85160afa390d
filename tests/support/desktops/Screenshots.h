#pragma once

#include <QImage>
#include <QString>

namespace kestrel::test {

// With KESTREL_TEST_SCREENSHOTS=FOLDER, every screenshot a shell gives is also saved there,
// numbered, to look at; the image is handed back as it is.
inline QImage keptToLookAt(const QImage& image, const char* shell)
{
    if (const QString keep = qEnvironmentVariable("KESTREL_TEST_SCREENSHOTS"); !keep.isEmpty() && !image.isNull()) {
        static int taken = 0;
        image.save(
            QStringLiteral("%1/%2-%3.png").arg(keep, QString::fromLatin1(shell)).arg(++taken, 4, 10, QLatin1Char('0')));
    }
    return image;
}

} // namespace kestrel::test
