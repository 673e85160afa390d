#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <chrono>

namespace kestrel::test {

// Runs the Qt main loop for a while, as the application would between events.
inline void runEventLoop(std::chrono::milliseconds duration)
{
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the main loop until `done` holds or `timeout` passes; returns whether it holds. Asks
// `done` every `interval`: a costly question (a screenshot) is asked less often.
template <typename Done>
bool runEventLoopUntil(Done done, std::chrono::milliseconds timeout = std::chrono::seconds(3),
                       std::chrono::milliseconds interval = std::chrono::milliseconds(5))
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeout.count())
            return false;
        runEventLoop(interval);
    }
    return true;
}

} // namespace kestrel::test
