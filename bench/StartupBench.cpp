// How long Kestrel takes to start, as a user sees it: from the launch of the program on a
// private Xvfb with a tray (trayer) to the first keycap on the screen, a key being typed
// every 2 ms all the while. Each launch has folders of its own, as after a fresh login.

#include "support/x11/XvfbServer.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "BenchStatistics.h"

#include <benchmark/benchmark.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

namespace kestrel {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int width = 1280;
constexpr int height = 800;
constexpr std::uint8_t keycodeOfA = 38;

// The bottom third of the screen, where keycaps appear by default.
std::vector<std::uint8_t> bottomOfScreen(xcb_connection_t* connection, xcb_window_t root)
{
    const auto reply = std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)>(
        xcb_get_image_reply(
            connection,
            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, 0, height * 2 / 3, width, height / 3, ~0u),
            nullptr),
        &std::free);
    if (!reply)
        return {};
    const std::uint8_t* data = xcb_get_image_data(reply.get());
    return {data, data + xcb_get_image_data_length(reply.get())};
}

void launchToFirstKeycap(benchmark::State& state)
{
    test::XvfbServer server("1280x800");
    if (!server.isRunning()) {
        state.SkipWithError(server.error().c_str());
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", QString::fromStdString(server.display()));
    environment.remove("DBUS_SESSION_BUS_ADDRESS"); // the tray item takes the XEmbed path
    QProcess tray;
    tray.setProcessEnvironment(environment);
    tray.start("trayer", {"--edge", "top", "--align", "right", "--widthtype", "request", "--height", "24"});
    if (!tray.waitForStarted()) {
        state.SkipWithError("trayer is needed");
        return;
    }

    xcb_connection_t* connection = xcb_connect(server.display().c_str(), nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto tap = [&] {
        for (const std::uint8_t type : {XCB_KEY_PRESS, XCB_KEY_RELEASE})
            xcb_test_fake_input(connection, type, keycodeOfA, XCB_CURRENT_TIME, root, 0, 0, 0);
        xcb_flush(connection);
    };
    QThread::msleep(500); // the tray settles before the first launch
    const std::vector<std::uint8_t> empty = bottomOfScreen(connection, root);

    std::vector<double> startups;
    for (auto _ : state) {
        QTemporaryDir home;
        QDir(home.path()).mkpath("config/kestrel");
        QDir(home.path()).mkpath("runtime");
        QFile::setPermissions(home.path() + "/runtime",
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        std::ofstream(home.filePath("config/kestrel/preferences.json").toStdString())
            << R"({"hasCompletedOnboarding": true})";
        QProcessEnvironment own = environment;
        own.insert("XDG_CONFIG_HOME", home.filePath("config"));
        own.insert("XDG_STATE_HOME", home.filePath("state"));
        own.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
        QProcess kestrel;
        kestrel.setProcessEnvironment(own);
        kestrel.setStandardErrorFile(QProcess::nullDevice());

        const auto start = Clock::now();
        kestrel.start(QStringLiteral(KESTREL_BINARY), {});
        bool shown = false;
        while (!shown && Clock::now() - start < 10s) {
            tap();
            shown = bottomOfScreen(connection, root) != empty;
            if (!shown)
                QThread::usleep(2000);
        }
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        if (!shown) {
            state.SkipWithError("no keycap within 10 s");
            break;
        }
        state.SetIterationTime(elapsed.count());
        startups.push_back(elapsed.count() * 1e3);

        kestrel.terminate();
        kestrel.waitForFinished(5000);
        // The next launch starts from a clear screen.
        for (auto clear = Clock::now(); bottomOfScreen(connection, root) != empty && Clock::now() - clear < 5s;)
            QThread::msleep(10);
    }
    xcb_disconnect(connection);
    tray.terminate();
    tray.waitForFinished(3000);

    state.counters["median_ms"] = bench::percentile(startups, 0.5);
    state.counters["p95_ms"] = bench::percentile(startups, 0.95);
}
BENCHMARK(launchToFirstKeycap)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrel
