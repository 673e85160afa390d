#include "support/x11/XvfbServer.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kestrel::test {

XvfbServer::XvfbServer(const std::string& screenSize) : m_screen(screenSize + "x24")
{
    // A number of its own, away from the low ones desktops and other tools take, and spread
    // by process so that tests running side by side do not meet: a restarted server must get
    // its number back.
    for (int attempt = 0; attempt < 40 && !isRunning(); ++attempt) {
        const int number = 200 + static_cast<int>((::getpid() * 37 + attempt * 101) % 700);
        if (::access(("/tmp/.X" + std::to_string(number) + "-lock").c_str(), F_OK) == 0)
            continue;
        launch(":" + std::to_string(number));
        if (!isRunning())
            stop();
    }
}

std::string XvfbServer::unusedDisplay()
{
    for (int number = 999; number > 200; --number) {
        const std::string name = std::to_string(number);
        if (::access(("/tmp/.X" + name + "-lock").c_str(), F_OK) != 0 &&
            ::access(("/tmp/.X11-unix/X" + name).c_str(), F_OK) != 0)
            return ":" + name;
    }
    return {};
}

bool XvfbServer::restart()
{
    const std::string display = m_display;
    stop();
    launch(display);
    return isRunning() && m_display == display;
}

void XvfbServer::launch(const std::string& display)
{
    m_display.clear();
    m_error.clear();
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        m_error = std::strerror(errno);
        return;
    }
    m_pid = ::fork();
    if (m_pid == 0) {
        ::close(pipeFds[0]);
        const std::string fd = std::to_string(pipeFds[1]);
        ::execlp("Xvfb", "Xvfb", display.c_str(), "-displayfd", fd.c_str(), "-noreset", "-nolisten", "tcp", "-screen",
                 "0", m_screen.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    if (m_pid < 0) {
        m_error = std::strerror(errno);
        ::close(pipeFds[0]);
        return;
    }
    // Xvfb writes the display number once it accepts connections.
    std::string number;
    pollfd ready{pipeFds[0], POLLIN, 0};
    while (::poll(&ready, 1, 10000) > 0) {
        char c = 0;
        if (::read(pipeFds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    ::close(pipeFds[0]);
    if (number.empty())
        m_error = "Xvfb did not start (is the xvfb package installed?)";
    else
        m_display = ":" + number;
}

XvfbServer::~XvfbServer()
{
    stop();
}

void XvfbServer::stop()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    int status = 0;
    ::waitpid(m_pid, &status, 0);
    m_pid = -1;
}

} // namespace kestrel::test
