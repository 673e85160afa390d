#pragma once

// Kestrel on a private X server with a tray: trayer across the top right, Kestrel's icon
// embedded in it and found by its window.

#include "integration/KestrelAppFixture.h"

#include <optional>
#include <utility>

namespace kestrel::test {

class KestrelTrayTest : public KestrelAppTest {
protected:
    void SetUp() override
    {
        KestrelAppTest::SetUp();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", QString::fromStdString(server.display()));
        environment.remove("DBUS_SESSION_BUS_ADDRESS");
        tray.setProcessEnvironment(environment);
        tray.setStandardOutputFile(QProcess::nullDevice());
        tray.setStandardErrorFile(QProcess::nullDevice());
        // A tray across the top right, 24 pixels high.
        tray.start("trayer", {"--edge", "top", "--align", "right", "--widthtype", "request", "--height", "24",
                              "--SetDockType", "false"});
        ASSERT_TRUE(tray.waitForStarted()) << "trayer is needed for the tray tests";
        ASSERT_TRUE(runEventLoopUntil([&] { return topLevel("panel").has_value(); }, 10s)) << "trayer shows no tray";
    }

    // Starts Kestrel and waits for its icon in the tray: the screen to compare against
    // holds the icon, so only keycaps count as changes.
    void startInTray()
    {
        ASSERT_NO_FATAL_FAILURE(launch());
        icon = awaitTrayIcon();
        ASSERT_FALSE(icon.isNull());
        takeBaseline();
        ASSERT_NO_FATAL_FAILURE(awaitListening());
    }

    void TearDown() override
    {
        KestrelAppTest::TearDown();
        tray.kill();
        tray.waitForFinished(3000);
    }

    // Kestrel's icon, embedded in the tray: the viewable child of trayer's panel window.
    std::optional<QRect> trayIcon()
    {
        for (const xcb_window_t window : children(root)) {
            if (windowName(window) != "panel")
                continue;
            for (const xcb_window_t icon : children(window)) {
                const QRect frame = frameOf(icon);
                if (isViewable(icon) && frame.width() > 8)
                    return frame;
            }
        }
        return std::nullopt;
    }

    QRect awaitTrayIcon()
    {
        std::optional<QRect> icon;
        EXPECT_TRUE(runEventLoopUntil([&] { return (icon = trayIcon()).has_value(); }, 10s)) << "no icon in the tray";
        // trayer moves the icon to its place after embedding it: two looks in a row that find
        // it at the same place, and the screen holding still.
        std::optional<QRect> previous;
        EXPECT_TRUE(runEventLoopUntil(
            [&] {
                previous = std::exchange(icon, trayIcon());
                return icon && icon == previous;
            },
            5s, 100ms))
            << "the icon never held still";
        stillPixels();
        return icon.value_or(QRect());
    }

    std::vector<std::uint32_t> pixelsOf(const QRect& area)
    {
        const Screenshot shot = screenshot();
        std::vector<std::uint32_t> pixels;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                pixels.push_back(shot.pixels[static_cast<std::size_t>(y * screenWidth + x)] & 0xffffff);
        }
        return pixels;
    }

    QProcess tray;
    QRect icon;
};

} // namespace kestrel::test
