#pragma once

#include "common/UiText.h"

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
    static std::filesystem::path pathFor(std::string_view display, UiMessage& error);
    // The same in `folder`, which is made private to the user when it does not exist.
    static std::filesystem::path pathFor(std::string_view display, const std::filesystem::path& folder,
                                         UiMessage& error);

    enum class Delivery { delivered, noInstance, failed };
    // Hands `request` to the running instance and waits for it to confirm, `timeout` at most
    // from the knock to the answer.
    static Delivery send(const std::filesystem::path& path, std::string_view request, UiMessage& error,
                         std::chrono::milliseconds timeout = std::chrono::seconds(5));

    // What a launch comes to: the running instance took its request, or none runs (and this
    // launch was not to start one), or this launch is now the one running (with the socket;
    // without it, and `error` saying why, when it cannot be made), or the handover failed.
    struct Claim {
        enum class Outcome { handedOver, notRunning, running, failed };
        Outcome outcome = Outcome::failed;
        std::unique_ptr<InstanceSocket> socket;
        UiMessage error;
    };
    // Hands `request` to the instance running on `path`, else (when `startIfNone`) becomes it;
    // a launch that loses the race for the socket hands its request to the winner.
    static Claim claim(const std::filesystem::path& path, std::string_view request, bool startIfNone);

    // Starts listening. Nothing, with `error` empty, when another instance already listens;
    // nothing, with `error` set, when the socket cannot be made.
    static std::unique_ptr<InstanceSocket> listen(const std::filesystem::path& path, UiMessage& error);
    ~InstanceSocket();

    // A Kestrel that starts its own successor (after input access was granted) stops
    // listening, names itself in the successor's environment under this variable, and quits.
    // The successor waits for it to be gone before it takes the socket, the hot key and the
    // tray, so neither answers the other and nothing shows twice.
    static constexpr const char* predecessorVariable = "KESTREL_PREDECESSOR";
    // Waits, without spinning, for the predecessor named in the environment (if any) to end,
    // at most `patience`, and removes the variable so it is not passed on. False when it was
    // still running at the end.
    static bool waitForPredecessor(std::chrono::milliseconds patience);
    static bool waitForProcessToEnd(int pid, std::chrono::milliseconds patience);

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
