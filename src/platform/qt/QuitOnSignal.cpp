#include "platform/qt/QuitOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <utility>

namespace kestrel {

namespace {

int signalPipe[2] = {-1, -1};
void (*signalAtOnce)() = nullptr;

void onSignal(int)
{
    if (signalAtOnce)
        signalAtOnce();
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

} // namespace

QuitOnSignal::QuitOnSignal(void (*atOnce)())
{
    signalAtOnce = atOnce;
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof(bytes)) > 0) {}
        // Ends the main loop without closing the windows first: a window closed by the end
        // of the session was not closed by the user.
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

QuitOnSignal::~QuitOnSignal()
{
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    m_notifier.reset();
    for (int& end : signalPipe) {
        if (end >= 0)
            ::close(std::exchange(end, -1));
    }
}

} // namespace kestrel
