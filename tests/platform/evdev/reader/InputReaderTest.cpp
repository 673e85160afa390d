// kestrel-input-reader without devices: what it writes to, what it takes on its command line,
// the records it writes, when it ends, and what its confinement forbids.

#include "platform/evdev/EvdevDevices.h"
#include "platform/evdev/reader/Confinement.h"
#include "platform/evdev/reader/InputForwarder.h"
#include "platform/evdev/reader/ReaderProtocol.h"

#include "support/evdev/EvemuRecording.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <iostream>
#include <thread>

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kestrel::evdev::reader {
namespace {

using namespace std::chrono_literals;

struct Pipe {
    Pipe() { EXPECT_EQ(::pipe2(ends.data(), O_CLOEXEC), 0); }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    ~Pipe()
    {
        closeReadEnd();
        closeWriteEnd();
    }
    int readEnd() const { return ends[0]; }
    int writeEnd() const { return ends[1]; }
    void closeReadEnd() { close(0); }
    void closeWriteEnd() { close(1); }
    void close(int end)
    {
        if (ends[end] >= 0)
            ::close(ends[end]);
        ends[end] = -1;
    }
    std::array<int, 2> ends{-1, -1};
};

TEST(InputReaderOutput, OnlyAPipeOrASocketTakesKeys)
{
    Pipe pipe;
    EXPECT_EQ(whyOutputRefused(pipe.writeEnd()), "");
    std::array<int, 2> sockets{};
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets.data()), 0);
    EXPECT_EQ(whyOutputRefused(sockets[0]), "");
    ::close(sockets[0]);
    ::close(sockets[1]);

    QTemporaryDir folder;
    const std::string file = folder.filePath("keys.log").toStdString();
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    EXPECT_NE(whyOutputRefused(fd).find("standard output is a file"), std::string::npos) << whyOutputRefused(fd);
    ::close(fd);
    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(terminal, 0);
    ::grantpt(terminal);
    ::unlockpt(terminal);
    const int follower = ::open(::ptsname(terminal), O_RDWR | O_NOCTTY | O_CLOEXEC);
    EXPECT_NE(whyOutputRefused(follower).find("a terminal"), std::string::npos) << whyOutputRefused(follower);
    ::close(follower);
    ::close(terminal);
    const int nothing = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    EXPECT_NE(whyOutputRefused(nothing).find("a device"), std::string::npos);
    ::close(nothing);
    EXPECT_EQ(whyOutputRefused(nothing), "standard output is closed");
}

TEST(InputReaderArguments, TakesOnlyHelp)
{
    using Arguments = std::vector<std::string_view>;
    EXPECT_FALSE(parseArguments(Arguments{}).showHelp);
    EXPECT_EQ(parseArguments(Arguments{}).error, "");
    EXPECT_TRUE(parseArguments(Arguments{"--help"}).showHelp);
    // No way to name another folder or file for a program that runs as root.
    EXPECT_EQ(parseArguments(Arguments{"/etc/shadow"}).error, "unknown argument \"/etc/shadow\"");
    EXPECT_EQ(parseArguments(Arguments{"--help", "--directory=/tmp"}).error, "unknown argument \"--directory=/tmp\"");
}

TEST(InputReaderRecords, KestrelReadsBackEveryChangeAsTheDeviceMadeIt)
{
    const std::vector<DeviceEvent> made{
        {.code = KEY_LEFTCTRL, .action = KeyAction::press},
        {.code = KEY_C, .action = KeyAction::press},
        {.code = KEY_C, .action = KeyAction::repeat},
        {.code = KEY_C, .action = KeyAction::release},
        {.code = KEY_LEFTCTRL, .action = KeyAction::release},
        {.code = BTN_LEFT, .action = KeyAction::press},
        {.code = BTN_LEFT, .action = KeyAction::release},
        {.kind = DeviceEvent::Kind::wheel, .steps = -3},
        {.kind = DeviceEvent::Kind::wheel, .steps = 1, .horizontal = true},
        {.kind = DeviceEvent::Kind::capsLockLight, .code = LED_CAPSL},
    };
    std::vector<input_event> records{readyRecord()};
    for (const DeviceEvent& event : made)
        appendRecords(event, records);
    // Read as Kestrel reads the stream, in pieces that split records.
    EvdevReader kestrel;
    std::vector<DeviceEvent> read;
    const auto bytes = test::asBytes(records);
    for (std::size_t at = 0; at < bytes.size(); at += 7)
        kestrel.feed(std::span(bytes).subspan(at, std::min<std::size_t>(7, bytes.size() - at)), read);
    ASSERT_EQ(read.size(), made.size());
    for (std::size_t index = 0; index < made.size(); ++index) {
        EXPECT_EQ(read[index].kind, made[index].kind) << index;
        EXPECT_EQ(read[index].code, made[index].code) << index;
        EXPECT_EQ(read[index].action, made[index].action) << index;
        EXPECT_EQ(read[index].steps, made[index].steps) << index;
        EXPECT_EQ(read[index].horizontal, made[index].horizontal) << index;
    }
    EXPECT_EQ(recordsPerWrite * sizeof(input_event) % sizeof(input_event), 0u);
    EXPECT_LE(recordsPerWrite * sizeof(input_event), std::size_t{PIPE_BUF});
}

TEST(InputReaderDevices, AFileIsNeitherKeyboardNorMouse)
{
    QTemporaryDir folder;
    const std::string file = folder.filePath("event0").toStdString();
    ::close(::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
    EXPECT_FALSE(openKeyboardOrMouse(file, [](dev_t) { return false; }));
    EXPECT_EQ(eventNodes(folder.path().toStdString()), std::vector<std::string>{file});
}

// The reader's loop over a folder with no devices, on two pipes as Kestrel runs it.
struct Forwarding : ::testing::Test {
    std::future<ExitStatus> start(bool confines = true)
    {
        settings.directory = folder.path().toStdString();
        settings.input = input.readEnd();
        settings.output = output.writeEnd();
        return std::async(std::launch::async,
                          [this, confines] { return forward(settings, [confines] { return confines; }); });
    }
    // The first record, once written (within ten seconds): the reader is running.
    bool readReady()
    {
        pollfd written{output.readEnd(), POLLIN, 0};
        input_event ready{};
        return ::poll(&written, 1, 10000) == 1 && ::read(output.readEnd(), &ready, sizeof(ready)) == sizeof(ready) &&
               ready.type == EV_SYN && ready.code == SYN_REPORT;
    }
    // How the reader ended; one that has not ended within ten seconds fails the test and is
    // ended by closing both pipes.
    ExitStatus ending(std::future<ExitStatus>& running)
    {
        if (running.wait_for(10s) != std::future_status::ready) {
            ADD_FAILURE() << "the reader did not end";
            input.closeWriteEnd();
            output.closeReadEnd();
        }
        return running.get();
    }

    QTemporaryDir folder;
    Pipe input;
    Pipe output;
    ForwarderSettings settings;
};

TEST_F(Forwarding, EndsWhenKestrelsEndOfItsInputCloses)
{
    auto running = start();
    ASSERT_TRUE(readReady());
    input.closeWriteEnd();
    EXPECT_EQ(ending(running), ExitStatus::kestrelGone);
}

TEST_F(Forwarding, EndsWhenKestrelsEndOfItsOutputCloses)
{
    auto running = start();
    ASSERT_TRUE(readReady());
    output.closeReadEnd();
    EXPECT_EQ(ending(running), ExitStatus::kestrelGone);
}

TEST_F(Forwarding, EndsOnAnyInput)
{
    auto running = start();
    ASSERT_TRUE(readReady());
    ASSERT_EQ(::write(input.writeEnd(), "q", 1), 1);
    EXPECT_EQ(ending(running), ExitStatus::unexpectedInput);
}

TEST_F(Forwarding, WritesNothingUnlessConfined)
{
    auto running = start(false);
    EXPECT_EQ(ending(running), ExitStatus::notConfined);
    output.closeWriteEnd();
    char byte = 0;
    EXPECT_EQ(::read(output.readEnd(), &byte, 1), 0) << "something was written before confinement";
}

TEST_F(Forwarding, NeedsTheDeviceFolder)
{
    settings = {
        .directory = folder.filePath("gone").toStdString(), .input = input.readEnd(), .output = output.writeEnd()};
    EXPECT_EQ(forward(settings, [] { return true; }), ExitStatus::noDeviceDirectory);
}

// In a child process, as the reader is once running: what the filter lets through.
TEST(InputReaderConfinement, OnlyReadingTheDevicesAndWritingItsOutputPass)
{
    QTemporaryDir devices;
    QTemporaryDir elsewhere;
    const std::string device = devices.filePath("event0").toStdString();
    const std::string outside = elsewhere.filePath("secret").toStdString();
    const std::string written = devices.filePath("written").toStdString();
    for (const std::string& path : {device, outside}) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_EQ(::write(fd, "k", 1), 1);
        ::close(fd);
    }
    Pipe output;
    const bool landlock = kernelConfinesFiles(); // asked before the filter, which refuses the asking
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::dup2(output.writeEnd(), STDOUT_FILENO);
        std::string why;
        if (!confineToReading(devices.path().toStdString(), why))
            ::_exit(255);
        int wrong = 0;
        const auto refused = [&](long result, int error, int bit) {
            if (result != -1 || errno != error)
                wrong |= bit;
        };
        refused(::socket(AF_INET, SOCK_STREAM, 0), EPERM, 1 << 0);
        refused(::open(written.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600), EPERM, 1 << 1);
        refused(::open(device.c_str(), O_RDWR | O_CLOEXEC), EPERM, 1 << 2);
        refused(::write(STDERR_FILENO, "x", 1), EPERM, 1 << 3);
        refused(::kill(::getppid(), 0), EPERM, 1 << 4);
        refused(::dup2(STDERR_FILENO, STDOUT_FILENO), EPERM, 1 << 4);
#if defined(__x86_64__)
        refused(::syscall(0x40000000 | SYS_getpid), EPERM, 1 << 4); // the x32 calls
#endif
        char* const arguments[] = {const_cast<char*>("/bin/true"), nullptr};
        refused(::execve("/bin/true", arguments, nullptr), EPERM, 1 << 4);
        // Of the ioctls, the devices' questions and their mask pass (a file answers ENOTTY); a
        // grab, or another kind of device's question, does not.
        winsize size{};
        refused(::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size), EPERM, 1 << 5);
        const int file = ::open(device.c_str(), O_RDONLY | O_CLOEXEC);
        refused(::ioctl(file, EVIOCGRAB, 1), EPERM, 1 << 5);
        std::array<unsigned long, 4> bits{};
        refused(::ioctl(file, EVIOCGBIT(0, sizeof(bits)), bits.data()), ENOTTY, 1 << 5);
        input_mask mask{};
        refused(::ioctl(file, EVIOCSMASK, &mask), ENOTTY, 1 << 5);
        // Landlock, where the kernel has it: nothing outside the device folder opens.
        if (landlock)
            refused(::open(outside.c_str(), O_RDONLY | O_CLOEXEC), EACCES, 1 << 6);
        // What the reader needs still works.
        const int fd = ::open(device.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        char byte = 0;
        const bool reads = fd >= 0 && ::read(fd, &byte, 1) == 1 && byte == 'k';
        const bool writesOutput = ::write(STDOUT_FILENO, "ok", 2) == 2;
        // New devices are found by listing the folder.
        const bool lists = eventNodes(devices.path().toStdString()) == std::vector<std::string>{device};
        ::_exit(wrong | (reads && writesOutput && lists ? 0 : 1 << 7));
    }
    output.closeWriteEnd();
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "calls that did not do as confined (bits): " << WEXITSTATUS(status);
    std::array<char, 2> said{};
    EXPECT_EQ(::read(output.readEnd(), said.data(), said.size()), 2);
    EXPECT_EQ(::access(written.c_str(), F_OK), -1) << "a file was created";
    if (!landlock)
        std::cout << "this kernel has no Landlock: only the seccomp filter was tried\n";
}

// The program itself, as an administrator might start it by mistake.
TEST(InputReaderProgram, RefusesAFileOrAnUnknownArgumentWithoutReadingAnything)
{
    QTemporaryDir folder;
    const std::string log = folder.filePath("keys.log").toStdString();
    const std::string command = std::string(KESTREL_READER_PROGRAM) + " > " + log + " 2> " + log + ".why";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(ExitStatus::outputRefused));
    QFile logged(QString::fromStdString(log));
    EXPECT_EQ(logged.size(), 0);
    QFile why(QString::fromStdString(log + ".why"));
    ASSERT_TRUE(why.open(QIODevice::ReadOnly));
    EXPECT_TRUE(why.readAll().contains("standard output is a file"));

    // Its output a pipe, as Kestrel gives it.
    FILE* piped = ::popen((std::string(KESTREL_READER_PROGRAM) + " --all 2>/dev/null").c_str(), "r");
    ASSERT_NE(piped, nullptr);
    EXPECT_EQ(std::fgetc(piped), EOF);
    const int usage = ::pclose(piped);
    EXPECT_EQ(WEXITSTATUS(usage), static_cast<int>(ExitStatus::usage));
}

} // namespace
} // namespace kestrel::evdev::reader
