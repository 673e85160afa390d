#include "platform/evdev/InputReaderProcess.h"

#include "platform/evdev/reader/ReaderProtocol.h"

#include <array>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace kestrel::evdev {

namespace {

// pkexec's own statuses: the dialog dismissed, or not authorised (or no agent to ask).
constexpr int pkexecDismissed = 126;
constexpr int pkexecNotAuthorised = 127;

static_assert(sizeof(input_event) == 24, "the reader's first record is one struct input_event");

void closeIfOpen(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

std::string InputReaderProcess::locate(const std::string& programFolder)
{
    const std::string beside = programFolder + "/" + std::string(reader::programName);
    struct stat status {};
    if (::stat(beside.c_str(), &status) == 0 && S_ISREG(status.st_mode))
        return beside;
    return KESTREL_INSTALLED_READER;
}

std::vector<std::string> InputReaderProcess::throughPkexec(const std::string& reader)
{
    return {"pkexec", reader};
}

std::unique_ptr<InputReaderProcess> InputReaderProcess::start(const std::vector<std::string>& command, std::string& why)
{
    if (command.empty()) {
        why = "no command";
        return nullptr;
    }
    std::array<int, 2> records{-1, -1};
    std::array<int, 2> hold{-1, -1};
    if (::pipe2(records.data(), O_CLOEXEC) != 0 || ::pipe2(hold.data(), O_CLOEXEC) != 0) {
        why = std::string("cannot make a pipe: ") + std::strerror(errno);
        for (int& fd : records)
            closeIfOpen(fd);
        return nullptr;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, hold[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, records[1], STDOUT_FILENO);
    std::vector<char*> argv;
    for (const std::string& argument : command)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int error = ::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(records[1]);
    ::close(hold[0]);
    if (error != 0) {
        why = "cannot start " + command.front() + ": " + std::strerror(error);
        ::close(records[0]);
        ::close(hold[1]);
        return nullptr;
    }
    ::fcntl(records[0], F_SETFL, ::fcntl(records[0], F_GETFL) | O_NONBLOCK);
    const int endNotice = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    if (endNotice < 0) {
        why = std::string("cannot follow the reader's process: ") + std::strerror(errno);
        ::close(records[0]);
        ::close(hold[1]);
        ::kill(pid, SIGTERM); // pkexec may be asking; the reader ends as its input closes
        ::waitpid(pid, nullptr, 0);
        return nullptr;
    }
    return std::unique_ptr<InputReaderProcess>(new InputReaderProcess(pid, records[0], hold[1], endNotice));
}

InputReaderProcess::InputReaderProcess(pid_t pid, int output, int input, int endNotice)
    : m_pid(pid), m_output(output), m_input(input), m_endNotice(endNotice)
{}

InputReaderProcess::~InputReaderProcess()
{
    // The reader ends when its pipes close; pkexec still asking for a password is stopped
    // (it runs as this user until the reader starts).
    closeIfOpen(m_input);
    closeIfOpen(m_output);
    if (!m_reaped) {
        ::syscall(SYS_pidfd_send_signal, m_endNotice, SIGTERM, nullptr, 0);
        pollfd ended{m_endNotice, POLLIN, 0};
        if (::poll(&ended, 1, 1000) > 0)
            ::waitpid(m_pid, nullptr, 0);
    }
    closeIfOpen(m_endNotice);
}

InputReaderProcess::Readiness InputReaderProcess::takeReady()
{
    while (m_readyBytes < readyLength) {
        std::array<char, readyLength> bytes{};
        const ssize_t count = ::read(m_output, bytes.data(), readyLength - m_readyBytes);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno == EAGAIN)
            return Readiness::waiting;
        if (count <= 0)
            return Readiness::closed;
        m_readyBytes += static_cast<std::size_t>(count);
    }
    return Readiness::ready;
}

InputReaderProcess::End InputReaderProcess::reap()
{
    if (m_reaped)
        return End::letGo;
    int status = 0;
    if (::waitpid(m_pid, &status, WNOHANG) != m_pid)
        return End::letGo;
    m_reaped = true;
    if (isReading()) // it had started: any end Kestrel did not ask for is a failure
        return m_input < 0 ? End::letGo : End::failed;
    if (WIFEXITED(status) && WEXITSTATUS(status) == pkexecDismissed)
        return End::cancelled;
    if (WIFEXITED(status) && WEXITSTATUS(status) == pkexecNotAuthorised)
        return End::refused;
    return End::failed;
}

} // namespace kestrel::evdev
