#include "platform/x11/X11DisplayLoss.h"

#include "common/ui/Translated.h"
#include "platform/x11/X11EventTapService.h"
#include "platform/x11/XcbHeaders.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include <unistd.h>

namespace kestrel::x11 {

namespace {

// Set in the environment of the restarted process, and removed by it at once.
constexpr const char* restartMarker = "KESTREL_RESTARTED_AFTER_LOST_DISPLAY";
constexpr auto retryInterval = std::chrono::seconds(1);

// Read by the exit handler: plain globals, as nothing else may run then.
xcb_connection_t* g_connection = nullptr;
std::vector<std::string> g_arguments;
// Put into words while the translations are still there.
std::string g_lostLine;
// Set from a signal handler, so a plain flag of the one type such a handler may write.
volatile std::sig_atomic_t g_stopRequested = 0;

void restartIfTheDisplayWasLost()
{
    if (g_stopRequested || !g_connection || g_arguments.empty() || xcb_connection_has_error(g_connection) == 0)
        return;
    // Only a display that is gone: one that still answers closed our connection on purpose
    // (xkill, a window manager's force quit), and then Kestrel is meant to end.
    if (X11EventTapService::canListen())
        return;
    std::fprintf(stderr, "kestrel: %s\n", g_lostLine.c_str());
    std::fflush(stderr);
    ::setenv(restartMarker, "1", 1);
    std::vector<char*> argv;
    for (std::string& argument : g_arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    ::execv("/proc/self/exe", argv.data());
    // Could not start again: the exit goes on.
}

} // namespace

DisplayLossRestart::DisplayLossRestart(std::vector<std::string> arguments)
{
    const auto* native = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!native)
        return;
    static const bool registered = std::atexit(restartIfTheDisplayWasLost) == 0;
    if (!registered)
        return;
    g_connection = native->connection();
    g_arguments = std::move(arguments);
    const char* display = std::getenv("DISPLAY");
    g_lostLine = translatedText(
        {KESTREL_TEXT("X11", "the X display %1 went away; waiting for it to come back."), {display ? display : ""}});
}

DisplayLossRestart::~DisplayLossRestart()
{
    disarm();
}

void DisplayLossRestart::disarmFromSignalHandler()
{
    g_stopRequested = 1;
}

void DisplayLossRestart::disarm()
{
    g_connection = nullptr;
    g_arguments.clear();
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

UiMessage DisplayLossRestart::waitForDisplay(std::chrono::seconds patience)
{
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    for (;;) {
        UiMessage why = X11EventTapService::whyCannotListen();
        if (why.isEmpty() || std::chrono::steady_clock::now() >= giveUp)
            return why;
        std::this_thread::sleep_for(retryInterval);
    }
}

} // namespace kestrel::x11
