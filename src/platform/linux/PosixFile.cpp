#include "platform/linux/PosixFile.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace kestrel::posix {

namespace {

template <typename Write>
bool writeAllWith(std::string_view bytes, Write write)
{
    while (!bytes.empty()) {
        const ssize_t count = write(bytes);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            if (count == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

} // namespace

std::string errorText(int error)
{
    return std::error_code(error, std::generic_category()).message();
}

bool writeAll(int fd, std::string_view bytes)
{
    return writeAllWith(bytes, [fd](std::string_view rest) { return ::write(fd, rest.data(), rest.size()); });
}

bool sendAll(int fd, std::string_view bytes)
{
    return writeAllWith(bytes,
                        [fd](std::string_view rest) { return ::send(fd, rest.data(), rest.size(), MSG_NOSIGNAL); });
}

bool unixAddress(const std::filesystem::path& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    const std::string& name = path.native();
    if (name.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.c_str(), name.size() + 1);
    return true;
}

int connectUnix(const std::filesystem::path& path, std::optional<std::chrono::milliseconds> patience)
{
    sockaddr_un address;
    if (!unixAddress(path, address)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    const bool noWait = patience && patience->count() <= 0;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | (noWait ? SOCK_NONBLOCK : 0), 0);
    if (fd < 0)
        return -1;
    const auto deadline = std::chrono::steady_clock::now() + patience.value_or(std::chrono::milliseconds{0});
    int result;
    for (;;) {
        if (patience && !noWait) {
            // The socket's send timeout is what bounds the wait for room in the queue.
            const auto left =
                std::chrono::duration_cast<std::chrono::microseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                errno = EAGAIN;
                result = -1;
                break;
            }
            const timeval limit{.tv_sec = static_cast<time_t>(left.count() / 1'000'000),
                                .tv_usec = static_cast<suseconds_t>(left.count() % 1'000'000)};
            if (::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit) != 0) {
                result = -1;
                break;
            }
        }
        result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
        if (result == 0 || errno != EINTR)
            break;
    }
    // Connected, the descriptor blocks as any other: no timeout, no O_NONBLOCK.
    if (result == 0 && noWait && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        result = -1;
    if (result == 0 && patience && !noWait) {
        const timeval none{};
        if (::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &none, sizeof none) != 0)
            result = -1;
    }
    if (result == 0)
        return fd;
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
}

void syncDirectory(const std::filesystem::path& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

int replaceFile(const std::filesystem::path& target, std::string_view contents, mode_t mode, struct stat* written)
{
    // Appended piece by piece: GCC 12 sees a false overlap in "." + name + ".tmp-XXXXXX".
    std::string hidden = ".";
    hidden += target.filename().string();
    hidden += ".tmp-XXXXXX";
    std::string temporary = (target.parent_path() / hidden).string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
    int failure = 0;
    if (::fchmod(fd, mode) != 0 || !writeAll(fd, contents) || ::fsync(fd) != 0)
        failure = errno;
    if (!failure && written)
        ::fstat(fd, written); // the rename keeps inode, size and modification time
    if (::close(fd) != 0 && !failure)
        failure = errno;
    if (!failure && ::rename(temporary.c_str(), target.c_str()) != 0)
        failure = errno;
    if (failure) {
        ::unlink(temporary.c_str());
        return failure;
    }
    syncDirectory(target.parent_path());
    return 0;
}

} // namespace kestrel::posix
