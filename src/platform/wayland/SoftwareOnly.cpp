#include "platform/wayland/SoftwareOnly.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace kestrel::wayland {

namespace {

QtMessageHandler previousHandler = nullptr;

// Qt's two lines about the buffer integration it was told to go without; every other message
// goes on as before.
void dropBufferIntegrationNews(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool aboutIntegration = message.startsWith(QLatin1String("Failed to load client buffer integration")) ||
                                  message.startsWith(QLatin1String("Available client buffer integrations"));
    if (aboutIntegration && context.category && qstrcmp(context.category, "qt.qpa.wayland") == 0)
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void drawWithoutOpenGL()
{
    if (qEnvironmentVariableIsSet("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"))
        return;
    // No integration of that name: Qt windows fall back to shared memory, as Kestrel's draw.
    qputenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "none");
    previousHandler = qInstallMessageHandler(&dropBufferIntegrationNews);
}

} // namespace kestrel::wayland
