#include "platform/x11/X11DisplayLoss.h"

#include "platform/x11/X11EventTapService.h"
#include "platform/x11/XcbHeaders.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

#include <unistd.h>

namespace kestrel::x11 {

namespace {

// Set in the environment of the restarted process, and removed by it at once.
constexpr const char* restartMarker = "KESTREL_RESTARTED_AFTER_LOST_DISPLAY";
constexpr auto retryInterval = std::chrono::seconds(1);

// Read by the exit handler: plain globals, as nothing else may run then.
xcb_connection_t* g_connection = nullptr;
char** g_argv = nullptr;

void restartIfTheDisplayWasLost()
{
    if (!g_connection || !g_argv || xcb_connection_has_error(g_connection) == 0)
        return;
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr, "kestrel: the X display %s went away; waiting for it to come back.\n", display ? display : "");
    std::fflush(stderr);
    ::setenv(restartMarker, "1", 1);
    ::execv("/proc/self/exe", g_argv);
    // Could not start again: the exit goes on.
}

} // namespace

DisplayLossRestart::DisplayLossRestart(char** argv)
{
    const auto* native = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!native)
        return;
    static const bool registered = std::atexit(restartIfTheDisplayWasLost) == 0;
    if (!registered)
        return;
    g_connection = native->connection();
    g_argv = argv;
}

DisplayLossRestart::~DisplayLossRestart()
{
    g_connection = nullptr;
    g_argv = nullptr;
}

bool DisplayLossRestart::isRestartAfterLoss()
{
    static const bool restarted = [] {
        const bool marked = std::getenv(restartMarker) != nullptr;
        ::unsetenv(restartMarker);
        return marked;
    }();
    return restarted;
}

std::string DisplayLossRestart::waitForDisplay(std::chrono::seconds patience)
{
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    for (;;) {
        std::string why = X11EventTapService::whyCannotListen();
        if (why.empty() || std::chrono::steady_clock::now() >= giveUp)
            return why;
        std::this_thread::sleep_for(retryInterval);
    }
}

} // namespace kestrel::x11
