#include "platform/wayland/CompositorEnd.h"

#include "common/ui/Translated.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <unistd.h>

namespace kestrel::wayland {

namespace {

QtMessageHandler previousHandler = nullptr;

// What Qt says when its connection to the compositor is closed (not when it is refused for
// a protocol error), right before it ends the program.
void watchForTheEnd(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("The Wayland connection broke.")))
        compositorEnded();
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

void endWithTheCompositor()
{
    previousHandler = qInstallMessageHandler(&watchForTheEnd);
}

void compositorEnded()
{
    // Nothing is left to save: the preferences are written as they change. No destructor
    // runs, as none could reach the compositor; Qt's own end is no different.
    const std::string line =
        "kestrel: " +
        translatedText(KESTREL_TEXT("Wayland", "the Wayland compositor has ended, and the session with it.")) + "\n";
    [[maybe_unused]] const auto written = ::write(STDERR_FILENO, line.data(), line.size());
    ::_exit(0);
}

} // namespace kestrel::wayland
