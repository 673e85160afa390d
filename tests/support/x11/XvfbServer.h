#pragma once

#include <string>
#include <sys/types.h>

namespace kestrel::test {

// A private X server for the tests: Xvfb on a free display of its own (200 and up, spread by
// process so that tests side by side never share one), started with -noreset
// (or it would reset, keyboard layout and all, whenever its last client leaves) and
// stopped when this object goes. A server that cannot start is a test failure, never a skip.
class XvfbServer {
public:
    explicit XvfbServer(const std::string& screenSize = "1280x800");
    ~XvfbServer();

    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool isRunning() const { return m_pid > 0 && !m_display.empty(); }
    const std::string& display() const { return m_display; } // ":N"
    const std::string& error() const { return m_error; }
    // Ends the server now, as a crashed or closed display would.
    void stop();
    // Starts a new server on the same display, as a restarted X server would come back.
    bool restart();

    // A display name no server answers on now: no lock and no socket for its number.
    static std::string unusedDisplay();

private:
    void launch(const std::string& display);

    std::string m_screen;
    pid_t m_pid = -1;
    std::string m_display;
    std::string m_error;
};

} // namespace kestrel::test
