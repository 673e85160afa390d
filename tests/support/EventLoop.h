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

// Runs the main loop until `done` holds or `timeout` passes; returns whether it holds.
template <typename Done>
bool runEventLoopUntil(Done done, std::chrono::milliseconds timeout = std::chrono::seconds(3))
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeout.count())
            return false;
        runEventLoop(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace kestrel::test
