// The entry point of the benchmarks that need Qt's main loop (sockets, D-Bus, timers).

#include "platform/atspi/AtspiPasswordFocus.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <optional>

int main(int argc, char** argv)
{
    std::optional<kestrel::AtspiPasswordFocus::MainLoopChoice> mainLoop(std::in_place);
    QCoreApplication application(argc, argv);
    mainLoop.reset();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
