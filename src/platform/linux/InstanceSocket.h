#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel {

// One Kestrel per user and display: the running instance listens on a Unix socket in a
// folder only the user can enter ($XDG_RUNTIME_DIR/kestrel), and a second launch hands its
// request to it as one line of text instead of starting again. A socket left behind by a
// crashed instance answers nobody; the next launch removes it and takes its place.
class InstanceSocket {
public:
    // The socket for this user on `display` (":0" and ":0.0" are the same display). Empty,
    // with `error` set, when no private folder could be made for it.
    static std::filesystem::path pathFor(std::string_view display, std::string& error);
    // The same in `folder`, which is made private to the user when it does not exist.
    static std::filesystem::path pathFor(std::string_view display, const std::filesystem::path& folder,
                                         std::string& error);

    enum class Delivery { delivered, noInstance, failed };
    // Hands `request` to the running instance and waits for it to confirm.
    static Delivery send(const std::filesystem::path& path, std::string_view request, std::string& error,
                         std::chrono::milliseconds timeout = std::chrono::seconds(5));

    // Starts listening. Nothing, with `error` empty, when another instance already listens;
    // nothing, with `error` set, when the socket cannot be made.
    static std::unique_ptr<InstanceSocket> listen(const std::filesystem::path& path, std::string& error);
    ~InstanceSocket();

    InstanceSocket(const InstanceSocket&) = delete;
    InstanceSocket& operator=(const InstanceSocket&) = delete;

    // Readable when a launch is knocking: watch it in the main loop.
    int descriptor() const { return m_fd; }
    // Takes one waiting request and confirms it. Nothing when none came in whole in a short
    // time, or when it came from another user.
    std::optional<std::string> acceptRequest();

private:
    InstanceSocket(int fd, std::filesystem::path path) : m_fd(fd), m_path(std::move(path)) {}

    int m_fd;
    std::filesystem::path m_path;
};

} // namespace kestrel
