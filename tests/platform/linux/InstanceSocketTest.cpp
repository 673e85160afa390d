#include "platform/linux/InstanceSocket.h"

#include "support/RefusedSystemCall.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <future>
#include <tuple>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace kestrel {
namespace {

using namespace std::chrono_literals;

// A client socket connected to `path`, or -1. A non-blocking one gives up at once on a
// listener whose queue is full.
int connectTo(const fs::path& path, bool nonBlocking = false)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | (nonBlocking ? SOCK_NONBLOCK : 0), 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path.c_str());
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0)
        return fd;
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
}

// What the other end said before it hung up, whole.
std::string readToEnd(int fd)
{
    std::string text;
    char buffer[256];
    ssize_t count;
    while ((count = ::recv(fd, buffer, sizeof buffer, 0)) > 0)
        text.append(buffer, static_cast<std::size_t>(count));
    return text;
}

class InstanceSocketTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(folder.path().empty());
        root = folder.path();
        UiMessage error;
        path = InstanceSocket::pathFor(":7.0", root / "kestrel", error);
        ASSERT_FALSE(path.empty()) << error.english();
    }
    test::TemporaryFolder folder{"kestrel-instance"};
    fs::path root;
    fs::path path;
};

TEST_F(InstanceSocketTest, OneSocketPerDisplayInAFolderOnlyTheUserCanEnter)
{
    UiMessage error;
    EXPECT_EQ(InstanceSocket::pathFor(":7", root / "kestrel", error), path) << "the screen is not another display";
    EXPECT_NE(InstanceSocket::pathFor(":8", root / "kestrel", error), path);
    // A Wayland display named by a long path still gets a socket, its own.
    const std::string longDisplay = "/tmp/" + std::string(120, 'w') + "/wayland-1";
    const auto longPath = InstanceSocket::pathFor(longDisplay, root / "kestrel", error);
    EXPECT_FALSE(longPath.empty()) << error.english();
    EXPECT_EQ(InstanceSocket::pathFor(longDisplay, root / "kestrel", error), longPath);
    EXPECT_NE(InstanceSocket::pathFor("/tmp/" + std::string(120, 'w') + "/wayland-2", root / "kestrel", error),
              longPath);
    struct stat info {};
    ASSERT_EQ(::stat((root / "kestrel").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // A folder others may enter, or a link planted in its place, is refused.
    fs::create_directory(root / "open");
    fs::permissions(root / "open", fs::perms::all);
    EXPECT_TRUE(InstanceSocket::pathFor(":7", root / "open", error).empty());
    EXPECT_NE(error.english().find("not a folder private"), std::string::npos) << error.english();
    fs::create_directory_symlink(root / "kestrel", root / "link");
    EXPECT_TRUE(InstanceSocket::pathFor(":7", root / "link", error).empty());
}

TEST_F(InstanceSocketTest, ASecondLaunchHandsItsRequestToTheRunningInstance)
{
    UiMessage error;
    EXPECT_EQ(InstanceSocket::send(path, "settings", error), InstanceSocket::Delivery::noInstance);
    auto running = InstanceSocket::listen(path, error);
    ASSERT_TRUE(running) << error.english();
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_FALSE(InstanceSocket::listen(path, error)) << "only one instance listens";
    EXPECT_TRUE(error.isEmpty()) << error.english();

    auto delivery = std::async(std::launch::async, [&] {
        UiMessage sendError;
        return InstanceSocket::send(path, "toggle", sendError);
    });
    std::optional<std::string> request;
    for (int attempt = 0; attempt < 500 && !request; ++attempt) {
        request = running->acceptRequest();
        if (!request)
            ::usleep(2000); // the other launch is still connecting
    }
    EXPECT_EQ(request, "toggle");
    EXPECT_EQ(delivery.get(), InstanceSocket::Delivery::delivered);

    running.reset();
    EXPECT_FALSE(fs::exists(path)) << "a clean exit removes the socket";
}

TEST_F(InstanceSocketTest, ALaunchBecomesTheInstanceOrHandsItsRequestOver)
{
    using Outcome = InstanceSocket::Claim::Outcome;
    const InstanceSocket::Claim quit = InstanceSocket::claim(path, "quit", false);
    EXPECT_EQ(quit.outcome, Outcome::notRunning) << "a request that starts nothing";
    EXPECT_FALSE(fs::exists(path));

    InstanceSocket::Claim first = InstanceSocket::claim(path, "toggle", true);
    ASSERT_EQ(first.outcome, Outcome::running) << first.error.english();
    ASSERT_TRUE(first.socket);

    auto second = std::async(std::launch::async, [&] { return InstanceSocket::claim(path, "settings", true); });
    // The second launch knocks: the socket becomes readable.
    pollfd knock{.fd = first.socket->descriptor(), .events = POLLIN, .revents = 0};
    ASSERT_EQ(::poll(&knock, 1, 5000), 1) << "the second launch never knocked";
    EXPECT_EQ(first.socket->acceptRequest(), "settings");
    const InstanceSocket::Claim handed = second.get();
    EXPECT_EQ(handed.outcome, Outcome::handedOver);
    EXPECT_FALSE(handed.socket);

    // Where no socket can be made, the launch runs without one and says why.
    first.socket.reset();
    const InstanceSocket::Claim homeless = InstanceSocket::claim(root / "missing" / "socket", "", true);
    EXPECT_EQ(homeless.outcome, Outcome::running);
    EXPECT_FALSE(homeless.socket);
    EXPECT_FALSE(homeless.error.isEmpty());
}

TEST_F(InstanceSocketTest, ASocketLeftByACrashedInstanceIsTakenOver)
{
    // Bound and closed without removing the file: what a crash leaves.
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path.c_str());
    ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(stale);
    ASSERT_TRUE(fs::exists(path));

    UiMessage error;
    EXPECT_EQ(InstanceSocket::send(path, "settings", error), InstanceSocket::Delivery::noInstance);
    EXPECT_TRUE(InstanceSocket::listen(path, error)) << error.english();
}

TEST_F(InstanceSocketTest, AKnockThatSaysNothingIsDroppedWithoutHangingTheInstance)
{
    UiMessage error;
    auto running = InstanceSocket::listen(path, error);
    ASSERT_TRUE(running);
    const int silent = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path.c_str());
    ASSERT_EQ(::connect(silent, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(running->acceptRequest().has_value());
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    ::close(silent);
}

TEST_F(InstanceSocketTest, ALaunchGivesUpOnARunningInstanceThatNeverAnswersAndSaysSo)
{
    // A running instance that hangs: it listens, but never takes a request.
    UiMessage error;
    auto hung = InstanceSocket::listen(path, error);
    ASSERT_TRUE(hung) << error.english();

    auto launch = std::async(std::launch::async, [&] {
        UiMessage sendError;
        const auto delivery = InstanceSocket::send(path, "toggle", sendError, 100ms);
        return std::make_pair(delivery, sendError);
    });
    if (launch.wait_for(30s) != std::future_status::ready) {
        ADD_FAILURE() << "the launch is still waiting for an answer";
        hung.reset(); // hangs up on it
    }
    const auto [delivery, sendError] = launch.get();
    EXPECT_EQ(delivery, InstanceSocket::Delivery::failed);
    EXPECT_NE(sendError.english().find("did not answer"), std::string::npos) << sendError.english();

    // A launch waits as long as Kestrel lets it, then fails instead of starting a second instance.
    const InstanceSocket::Claim claim = InstanceSocket::claim(path, "settings", true);
    EXPECT_EQ(claim.outcome, InstanceSocket::Claim::Outcome::failed);
    EXPECT_FALSE(claim.socket);
    EXPECT_NE(claim.error.english().find("did not answer"), std::string::npos) << claim.error.english();
    EXPECT_TRUE(fs::exists(path)) << "the socket stays the running instance's";
}

TEST_F(InstanceSocketTest, ALaunchNeitherWaitsForeverOnAnInstanceWithAFullQueueNorTakesItsSocket)
{
    UiMessage error;
    auto hung = InstanceSocket::listen(path, error);
    ASSERT_TRUE(hung) << error.english();
    // Launches that knocked and were never let in fill its queue.
    std::vector<int> knocks;
    for (int fd; (fd = connectTo(path, true)) >= 0;) {
        knocks.push_back(fd);
        ASSERT_LT(knocks.size(), 10'000u) << "the queue never filled";
    }
    ASSERT_EQ(errno, EAGAIN) << std::strerror(errno);

    auto launch = std::async(std::launch::async, [&] {
        UiMessage sendError;
        const auto delivery = InstanceSocket::send(path, "toggle", sendError, 100ms);
        UiMessage listenError;
        const bool tookOver = InstanceSocket::listen(path, listenError) != nullptr;
        return std::make_tuple(delivery, sendError, tookOver, listenError);
    });
    if (launch.wait_for(30s) != std::future_status::ready) {
        ADD_FAILURE() << "the launch is still waiting to be let in";
        hung.reset(); // lets it go, refused
    }
    const auto [delivery, sendError, tookOver, listenError] = launch.get();
    EXPECT_EQ(delivery, InstanceSocket::Delivery::failed);
    EXPECT_NE(sendError.english().find("did not answer"), std::string::npos) << sendError.english();
    EXPECT_FALSE(tookOver) << "someone listens there";
    EXPECT_TRUE(listenError.isEmpty()) << listenError.english();
    EXPECT_TRUE(fs::exists(path));
    for (const int fd : knocks)
        ::close(fd);
}

TEST_F(InstanceSocketTest, AnAnswerOtherThanOkIsNoDelivery)
{
    const std::vector<std::string> answers = {"no\n", "okay\n", "ok", "", std::string(1000, 'o') + "\n"};
    for (const std::string& answer : answers) {
        SCOPED_TRACE(answer.substr(0, 10));
        // Something else listening on Kestrel's socket: it takes the request and answers nonsense.
        fs::remove(path);
        const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, path.c_str());
        ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        ASSERT_EQ(::listen(listener, 1), 0);
        auto other = std::async(std::launch::async, [&] {
            const int client = ::accept(listener, nullptr, nullptr);
            std::string request;
            char c;
            while (::recv(client, &c, 1, 0) == 1 && c != '\n')
                request += c;
            ::send(client, answer.data(), answer.size(), MSG_NOSIGNAL);
            ::close(client);
            return request;
        });
        UiMessage error;
        EXPECT_EQ(InstanceSocket::send(path, "settings", error), InstanceSocket::Delivery::failed);
        EXPECT_NE(error.english().find("did not answer"), std::string::npos) << error.english();
        EXPECT_EQ(other.get(), "settings");
        ::close(listener);
    }
}

TEST_F(InstanceSocketTest, AnOverlongRequestIsRefusedUnanswered)
{
    UiMessage error;
    auto running = InstanceSocket::listen(path, error);
    ASSERT_TRUE(running) << error.english();
    // Kestrel's requests are single short words: these are not from a Kestrel.
    for (const std::string& request : {std::string(100, 'x') + "\n", std::string(100'000, 'x')}) {
        SCOPED_TRACE(request.size());
        const int knock = connectTo(path);
        ASSERT_GE(knock, 0) << std::strerror(errno);
        // Written meanwhile: the longer one does not fit the socket's buffer.
        auto writing =
            std::async(std::launch::async, [&] { ::send(knock, request.data(), request.size(), MSG_NOSIGNAL); });
        pollfd ready{.fd = running->descriptor(), .events = POLLIN, .revents = 0};
        ASSERT_EQ(::poll(&ready, 1, 5000), 1);
        EXPECT_EQ(running->acceptRequest(), std::nullopt);
        EXPECT_EQ(readToEnd(knock), "") << "no confirmation";
        writing.get();
        ::close(knock);
    }
}

TEST_F(InstanceSocketTest, ASocketPathTooLongForAnAddressIsRefusedWithAReason)
{
    // A folder so deep that even the short name of a digest does not fit.
    const fs::path deep = root / std::string(100, 'd');
    UiMessage error;
    EXPECT_EQ(InstanceSocket::pathFor(":7", deep, error), fs::path());
    EXPECT_NE(error.english().find("too long for a socket"), std::string::npos) << error.english();

    const fs::path tooLong = deep / "instance:7.socket";
    error = {};
    EXPECT_EQ(InstanceSocket::send(tooLong, "toggle", error), InstanceSocket::Delivery::failed)
        << "not taken for a missing instance";
    EXPECT_NE(error.english().find(std::strerror(ENAMETOOLONG)), std::string::npos) << error.english();
    EXPECT_FALSE(InstanceSocket::listen(tooLong, error));
    EXPECT_NE(error.english().find("too long for a socket"), std::string::npos) << error.english();
}

TEST_F(InstanceSocketTest, ALockThatCannotBeTakenLeavesTheLaunchRunningWithoutASocketAndSaysWhy)
{
    fs::create_directory(path.string() + ".lock"); // a folder where the lock file belongs
    UiMessage error;
    EXPECT_FALSE(InstanceSocket::listen(path, error));
    EXPECT_NE(error.english().find("cannot lock"), std::string::npos) << error.english();

    const InstanceSocket::Claim claim = InstanceSocket::claim(path, "toggle", true);
    EXPECT_EQ(claim.outcome, InstanceSocket::Claim::Outcome::running);
    EXPECT_FALSE(claim.socket);
    EXPECT_NE(claim.error.english().find("cannot lock"), std::string::npos) << claim.error.english();
    EXPECT_FALSE(fs::exists(path)) << "no socket made without the lock";
}

TEST_F(InstanceSocketTest, ARequestFromAnotherUserIsRefusedUnanswered)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "knocking as another user takes root";
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    // A socket the other user may reach: the private folder would keep it out before Kestrel could.
    const fs::path open = root / "open";
    fs::create_directory(open);
    fs::permissions(root, fs::perms::all);
    fs::permissions(open, fs::perms::all);
    UiMessage error;
    auto running = InstanceSocket::listen(open / "instance.socket", error);
    ASSERT_TRUE(running) << error.english();
    fs::permissions(open / "instance.socket", fs::perms::all);

    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) { // 0 when refused, 1 when confirmed, 2 when it could not knock at all
        if (::setgid(gid) != 0 || ::setuid(uid) != 0)
            std::_Exit(2);
        const int knock = connectTo(open / "instance.socket");
        if (knock < 0)
            std::_Exit(2);
        ::send(knock, "quit\n", 5, MSG_NOSIGNAL); // may come too late: the door can close first
        std::_Exit(readToEnd(knock).empty() ? 0 : 1);
    }
    pollfd ready{.fd = running->descriptor(), .events = POLLIN, .revents = 0};
    EXPECT_EQ(::poll(&ready, 1, 10'000), 1) << "the other user never knocked";
    EXPECT_EQ(running->acceptRequest(), std::nullopt);
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << (WEXITSTATUS(status) == 2 ? "could not knock" : "was confirmed");
}

TEST(InstanceHandOver, ASuccessorWaitsForItsPredecessorToEndAndPassesTheNameOnToNobody)
{
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    const pid_t predecessor = ::fork();
    ASSERT_GE(predecessor, 0);
    if (predecessor == 0) { // runs until the gate closes
        ::close(gate[1]);
        char byte;
        while (::read(gate[0], &byte, 1) > 0) {}
        ::_exit(0);
    }
    ::close(gate[0]);

    ::setenv(InstanceSocket::predecessorVariable, std::to_string(predecessor).c_str(), 1);
    EXPECT_FALSE(InstanceSocket::waitForPredecessor(50ms)) << "still running when patience ran out";
    EXPECT_EQ(std::getenv(InstanceSocket::predecessorVariable), nullptr) << "not handed on to a later start";

    ::close(gate[1]);
    EXPECT_TRUE(InstanceSocket::waitForProcessToEnd(predecessor, 10s));
    int status = 0;
    ::waitpid(predecessor, &status, 0);
    EXPECT_TRUE(InstanceSocket::waitForProcessToEnd(predecessor, 10s)) << "gone for good";

    ::setenv(InstanceSocket::predecessorVariable, "12ab", 1);
    EXPECT_TRUE(InstanceSocket::waitForPredecessor(10s)) << "not a process Kestrel named: nothing to wait for";
    EXPECT_TRUE(InstanceSocket::waitForPredecessor(10s)) << "no predecessor";
}

TEST(InstanceHandOver, OnAKernelWithoutProcessDescriptorsTheWaitStillEndsWithThePredecessor)
{
    // A child process refused pidfd_open, as a kernel older than it refuses it. It reports
    // what went wrong by its exit status.
    const int result = test::resultInChild([] {
        if (!test::refuseSystemCall(SYS_pidfd_open, ENOSYS) || ::syscall(SYS_pidfd_open, ::getpid(), 0) >= 0)
            return 10;
        int gate[2];
        if (::pipe(gate) != 0)
            return 11;
        const pid_t predecessor = ::fork();
        if (predecessor == 0) { // runs until the gate closes
            ::close(gate[1]);
            char byte;
            while (::read(gate[0], &byte, 1) > 0) {}
            std::_Exit(0);
        }
        ::close(gate[0]);
        if (InstanceSocket::waitForProcessToEnd(predecessor, 50ms))
            return 1; // it is still running
        ::close(gate[1]);
        if (!InstanceSocket::waitForProcessToEnd(predecessor, 10s))
            return 2; // it has ended, though nobody has collected it yet
        ::waitpid(predecessor, nullptr, 0);
        if (!InstanceSocket::waitForProcessToEnd(predecessor, 10s))
            return 3; // gone for good
        return 0;
    });
    if (result == 10)
        GTEST_SKIP() << "this kernel takes no system call filter";
    EXPECT_EQ(result, 0) << "1: not waited for, 2: a process that ended still counted as running, 3: a process gone";
}

} // namespace
} // namespace kestrel
