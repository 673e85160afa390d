#include "platform/linux/InstanceSocket.h"

#include "platform/linux/PosixFile.h"

#include "platform/linux/XdgDirectories.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace kestrel {

namespace {

// A request is one short word; anything longer is not from a Kestrel.
constexpr std::size_t maximumRequestLength = 64;
constexpr std::chrono::milliseconds requestWait{500};

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// `path` with what the system said about it (strerror), as it said it.
UiMessage failure(UiText text, const fs::path& path)
{
    return {text, {path.string(), posix::errorMessage(errno)}};
}

UiMessage tooLongForASocket(const fs::path& path)
{
    return {KESTREL_TEXT("InstanceSocket", "the path %1 is too long for a socket"), {path.string()}};
}

// A folder that only this user can enter: made with mode 0700, or found so, owned by us and
// not a symbolic link (anyone may plant one in /tmp).
bool makePrivateFolder(const fs::path& folder, UiMessage& error)
{
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = failure(KESTREL_TEXT("InstanceSocket", "cannot create %1: %2"), folder);
        return false;
    }
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) {
        error = failure(KESTREL_TEXT("InstanceSocket", "cannot use %1: %2"), folder);
        return false;
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::getuid() || (info.st_mode & 077) != 0) {
        error = {KESTREL_TEXT("InstanceSocket", "%1 is not a folder private to this user"), {folder.string()}};
        return false;
    }
    return true;
}

// Waits until `fd` is ready for `events` or the deadline passes.
bool waitFor(int fd, short events, std::chrono::steady_clock::time_point deadline)
{
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(left.count()));
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return false;
    }
}

// Reads up to a newline. False on a timeout, an error, an early end or an overlong line.
bool readLine(int fd, std::string& line, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    line.clear();
    while (waitFor(fd, POLLIN, deadline)) {
        char buffer[maximumRequestLength];
        const ssize_t count = ::recv(fd, buffer, sizeof(buffer), 0);
        if (count < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (count <= 0)
            return false;
        line.append(buffer, static_cast<std::size_t>(count));
        if (const auto end = line.find('\n'); end != std::string::npos) {
            line.resize(end);
            return end <= maximumRequestLength;
        }
        if (line.size() > maximumRequestLength)
            return false;
    }
    return false;
}

// Whether the process `pid` has ended, without a process descriptor: it is gone, or it is a
// zombie that its parent has not collected yet.
bool hasEnded(int pid)
{
    if (::kill(pid, 0) != 0 && errno == ESRCH)
        return true;
    const std::string name = "/proc/" + std::to_string(pid) + "/stat";
    const Descriptor stat(::open(name.c_str(), O_RDONLY | O_CLOEXEC));
    char text[512];
    const ssize_t count = stat.get() < 0 ? -1 : ::read(stat.get(), text, sizeof text);
    if (count <= 0)
        return false; // it was there a moment ago: asked again soon
    // "pid (name) state ...", where the name may hold anything, a parenthesis too.
    const std::string_view fields(text, static_cast<std::size_t>(count));
    const auto nameEnd = fields.rfind(')');
    return nameEnd != std::string_view::npos && nameEnd + 2 < fields.size() &&
           (fields[nameEnd + 2] == 'Z' || fields[nameEnd + 2] == 'X');
}

} // namespace

fs::path InstanceSocket::pathFor(std::string_view display, UiMessage& error)
{
    const fs::path runtime = XdgDirectories::runtimeDir();
    return pathFor(display,
                   runtime.empty() ? fs::temp_directory_path() / ("kestrel-" + std::to_string(::getuid()))
                                   : runtime / "kestrel",
                   error);
}

fs::path InstanceSocket::pathFor(std::string_view display, const fs::path& folder, UiMessage& error)
{
    // host:number.screen; the screen does not make another display.
    std::string name(display);
    if (const auto colon = name.rfind(':'); colon != std::string::npos) {
        if (const auto dot = name.find('.', colon); dot != std::string::npos)
            name.resize(dot);
    }
    std::replace(name.begin(), name.end(), '/', '_');
    if (!makePrivateFolder(folder, error))
        return {};
    fs::path path = folder / ("instance" + name + ".socket");
    sockaddr_un address;
    // A display named by a long path (WAYLAND_DISPLAY may be one) is known by a digest of it.
    if (!posix::unixAddress(path, address)) {
        std::uint64_t digest = 0xcbf29ce484222325; // 64-bit FNV-1a
        for (const unsigned char byte : name)
            digest = (digest ^ byte) * 0x100000001b3;
        char hex[17];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(digest));
        path = folder / ("instance-" + std::string(hex) + ".socket");
    }
    if (!posix::unixAddress(path, address)) {
        error = tooLongForASocket(path);
        return {};
    }
    return path;
}

InstanceSocket::Delivery InstanceSocket::send(const fs::path& path, std::string_view request, UiMessage& error,
                                              std::chrono::milliseconds timeout)
{
    constexpr UiText noAnswer = KESTREL_TEXT("InstanceSocket", "the running Kestrel did not answer");
    // One bound for all of it: an instance that hangs may not even let the launch in.
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    const Descriptor fd(posix::connectUnix(path, timeout));
    if (fd.get() < 0) {
        if (errno == ENOENT || errno == ECONNREFUSED)
            return Delivery::noInstance;
        error = errno == EAGAIN ? UiMessage(noAnswer)
                                : UiMessage(KESTREL_TEXT("InstanceSocket", "cannot reach the running Kestrel: %1"),
                                            {posix::errorMessage(errno)});
        return Delivery::failed;
    }
    std::string reply;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (!posix::sendAll(fd.get(), std::string(request) + "\n") || !readLine(fd.get(), reply, left) || reply != "ok") {
        error = noAnswer;
        return Delivery::failed;
    }
    return Delivery::delivered;
}

InstanceSocket::Claim InstanceSocket::claim(const fs::path& path, std::string_view request, bool startIfNone)
{
    Claim claim;
    for (;;) {
        switch (send(path, request, claim.error)) {
        case Delivery::delivered:
            claim.outcome = Claim::Outcome::handedOver;
            return claim;
        case Delivery::failed:
            claim.outcome = Claim::Outcome::failed;
            return claim;
        case Delivery::noInstance:
            break;
        }
        if (!startIfNone) {
            claim.outcome = Claim::Outcome::notRunning;
            return claim;
        }
        claim.socket = listen(path, claim.error);
        if (claim.socket || !claim.error.isEmpty()) {
            claim.outcome = Claim::Outcome::running;
            return claim;
        }
        // Another launch started listening meanwhile: it takes the request.
    }
}

std::unique_ptr<InstanceSocket> InstanceSocket::listen(const fs::path& path, UiMessage& error)
{
    error = {};
    sockaddr_un address;
    if (!posix::unixAddress(path, address)) {
        error = tooLongForASocket(path);
        return nullptr;
    }
    // Two launches at once must not both take over a stale socket.
    const fs::path lockPath = path.string() + ".lock";
    const Descriptor lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (lock.get() < 0 || ::flock(lock.get(), LOCK_EX) != 0) {
        error = failure(KESTREL_TEXT("InstanceSocket", "cannot lock %1: %2"), lockPath);
        return nullptr;
    }
    // Someone answers, or listens but has no room for another knock: Kestrel already runs.
    if (const Descriptor other(posix::connectUnix(path, std::chrono::milliseconds{0}));
        other.get() >= 0 || errno == EAGAIN)
        return nullptr;
    ::unlink(path.c_str()); // left behind by an instance that is gone
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.get() < 0 || ::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::chmod(path.c_str(), 0600) != 0 || ::listen(fd.get(), 8) != 0) {
        error = failure(KESTREL_TEXT("InstanceSocket", "cannot listen on %1: %2"), path);
        return nullptr;
    }
    return std::unique_ptr<InstanceSocket>(new InstanceSocket(fd.release(), path));
}

InstanceSocket::~InstanceSocket()
{
    ::close(m_fd);
    ::unlink(m_path.c_str());
}

std::optional<std::string> InstanceSocket::acceptRequest()
{
    const Descriptor client(::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
    if (client.get() < 0)
        return std::nullopt;
    ucred peer{};
    socklen_t size = sizeof(peer);
    if (::getsockopt(client.get(), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != ::getuid())
        return std::nullopt;
    std::string request;
    if (!readLine(client.get(), request, requestWait) || !posix::sendAll(client.get(), "ok\n"))
        return std::nullopt;
    return request;
}

bool InstanceSocket::waitForProcessToEnd(int pid, std::chrono::milliseconds patience)
{
    if (pid <= 0)
        return true;
    // A process descriptor turns readable when the process ends (a zombie has ended too); a
    // kernel without them gets a short poll of its own.
    const Descriptor process(static_cast<int>(::syscall(SYS_pidfd_open, pid, 0)));
    if (process.get() >= 0) {
        pollfd watch{.fd = process.get(), .events = POLLIN, .revents = 0};
        int ready = 0;
        do
            ready = ::poll(&watch, 1, static_cast<int>(patience.count()));
        while (ready < 0 && errno == EINTR);
        return ready > 0;
    }
    if (errno == ESRCH)
        return true; // gone already
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!hasEnded(pid)) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        ::poll(nullptr, 0, 10);
    }
    return true;
}

bool InstanceSocket::waitForPredecessor(std::chrono::milliseconds patience)
{
    const char* named = std::getenv(predecessorVariable);
    if (!named)
        return true;
    const std::string_view text(named);
    int pid = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pid);
    ::unsetenv(predecessorVariable);
    if (error != std::errc() || end != text.data() + text.size())
        return true; // not a number Kestrel wrote: nobody to wait for
    return waitForProcessToEnd(pid, patience);
}

} // namespace kestrel
