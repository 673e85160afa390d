#include "platform/wayland/WaylandConnection.h"

#include "platform/wayland/LayerShellSurface.h"
#include "support/ScopedVariable.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace kestrel::wayland {
namespace {

// A compositor that takes connections and never answers: the kernel queues them, and what
// Kestrel sends, for a listener that reads nothing.
class SilentCompositor {
public:
    SilentCompositor()
    {
        m_path = m_folder.filePath(QStringLiteral("wayland-silent")).toStdString();
        m_socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        m_path.copy(address.sun_path, sizeof address.sun_path - 1);
        m_listening = ::bind(m_socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                      ::listen(m_socket, 8) == 0;
    }
    ~SilentCompositor() { ::close(m_socket); }

    bool isListening() const { return m_listening; }
    const std::string& path() const { return m_path; }

private:
    QTemporaryDir m_folder;
    std::string m_path;
    int m_socket = -1;
    bool m_listening = false;
};

// WAYLAND_DISPLAY set for the test's length, and put back after.
TEST(WaylandConnection, ACompositorThatNeverAnswersIsGivenUpAfterTheBound)
{
    SilentCompositor silent;
    ASSERT_TRUE(silent.isListening());
    const test::ScopedVariable display("WAYLAND_DISPLAY", silent.path());
    using Clock = std::chrono::steady_clock;

    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto start = Clock::now();
        std::string why;
        if (attempt == 0)
            EXPECT_FALSE(compositorHasLayerShell(&why));
        else
            EXPECT_FALSE(
                LayerShellSurface::create([](QPainter&, const OverlayLayer&, const OverlayFrame&) {}, {}, &why));
        const auto waited = Clock::now() - start;
        EXPECT_EQ(why, noAnswer);
        EXPECT_GE(waited, answerBound);
        EXPECT_LT(waited, 2 * answerBound) << "one bound, not one per round trip";
    }
}

} // namespace
} // namespace kestrel::wayland
