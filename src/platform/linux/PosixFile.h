#pragma once

#include "common/UiText.h"

#include <sys/stat.h>
#include <sys/un.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Files and descriptors as Kestrel's Linux services use them: every write whole, every
// replacement all at once.
namespace kestrel::posix {

// The words for an errno value: "No space left on device".
std::string errorText(int error);
// The same as a message's reason: the system's own words, shown as they are.
inline UiMessage errorMessage(int error)
{
    return verbatim(errorText(error));
}

// Writes all of `bytes`, again after an interruption. False, with errno set (EIO when the
// file took nothing), when it could not.
bool writeAll(int fd, std::string_view bytes);
// The same through a socket, without SIGPIPE when the other end has gone.
bool sendAll(int fd, std::string_view bytes);

// The address of the Unix socket at `path`; false when the path is too long for one.
bool unixAddress(const std::filesystem::path& path, sockaddr_un& address);
// Connects a stream socket (closed on exec) to the Unix socket at `path`, again after an
// interruption: the descriptor, or -1 with errno set. A listener whose queue of connections
// not yet accepted is full keeps the connect waiting: `patience` bounds that wait (0: no wait),
// after which it fails with EAGAIN. Without it, the wait has no end.
int connectUnix(const std::filesystem::path& path, std::optional<std::chrono::milliseconds> patience = std::nullopt);

// Makes a rename inside `directory` survive a power cut.
void syncDirectory(const std::filesystem::path& directory);

// Replaces the file at `target` (a link is replaced, not followed) with `contents` in one
// step: they are written to a hidden temporary file beside it, which gets `mode` and is synced
// to the disk, renamed over `target`, and the folder synced. Readers see the old file or the
// new one, never a part; on failure the old one stays as it was, and no temporary file is
// left. 0, or the errno of what failed; `written`, when given, receives the new file's status.
int replaceFile(const std::filesystem::path& target, std::string_view contents, mode_t mode,
                struct stat* written = nullptr);

} // namespace kestrel::posix
