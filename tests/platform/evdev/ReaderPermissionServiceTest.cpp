// Allowing input through the privileged reader, with stand-ins for pkexec and the reader that
// answer as they do: the records of a keyboard, a dismissed dialog, a refusal, an early end.

#include "platform/evdev/ReaderPermissionService.h"

#include "app/InputMonitoringPermission.h"
#include "platform/evdev/reader/ReaderProtocol.h"
#include "support/EventLoop.h"
#include "support/FakeShellServices.h"
#include "support/MemoryDefaultsStore.h"
#include "support/evdev/EvemuRecording.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <fstream>

namespace kestrel::evdev {
namespace {

using namespace std::chrono_literals;
using test::record;

constexpr std::uint64_t keyEvents = (1u << EventType::keyDown) | (1u << EventType::keyUp);

struct ReaderPermission : ::testing::Test {
    ReaderPermission()
    {
        options.seat.directory = folder.filePath("no-devices").toStdString();
        options.seat.layout = {.rules = "evdev", .model = "pc105", .layout = "us"};
    }

    // A reader that says it is ready, types `records`, then waits for its input to end.
    std::vector<std::string> readerTyping(const std::vector<input_event>& records)
    {
        std::vector<input_event> all{reader::readyRecord()};
        all.insert(all.end(), records.begin(), records.end());
        const std::string path = folder.filePath("records").toStdString();
        std::ofstream file(path, std::ios::binary);
        const auto bytes = test::asBytes(all);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return shell("echo $$ > " + pidFile() + "; cat " + path + "; exec cat >/dev/null");
    }
    static std::vector<std::string> shell(const std::string& script) { return {"sh", "-c", script}; }
    std::string pidFile() const { return folder.filePath("pid").toStdString(); }

    std::unique_ptr<ReaderPermissionService> service(std::vector<std::string> command)
    {
        return std::make_unique<ReaderPermissionService>(ReaderPermissionService::Settings{
            .workspace = workspace,
            .helpPageURL = "file:///help/input-access.html#wayland",
            .canListen = [] { return false; },
            .readerCommand = std::move(command),
            .taps = taps,
            .state = state,
            .say = [this](const UiMessage& line) { said.push_back(line.english()); }});
    }
    bool answered(const PermissionService& permission, AccessRequest expected)
    {
        return test::runEventLoopUntil([&] { return permission.accessRequest.get() == expected; }, 10s);
    }

    QTemporaryDir folder;
    EvdevEventTapService::Options options;
    EvdevEventTapService taps{options};
    test::RecordingWorkspace workspace;
    test::MemoryDefaultsStore state;
    std::vector<std::string> said;
};

TEST_F(ReaderPermission, OnceAllowedTheReadersKeysReachTheTapsAndTheChoiceIsKept)
{
    auto permission = service(readerTyping({record(EV_KEY, KEY_A, 1), record(EV_SYN, SYN_REPORT, 0),
                                            record(EV_KEY, KEY_A, 0), record(EV_SYN, SYN_REPORT, 0)}));
    EXPECT_TRUE(permission->asksSystem());
    std::vector<PlatformEvent> received;
    // As the visualizer does: keys are wanted the moment access is there.
    permission->accessRequest.subscribe([&](AccessRequest request) {
        if (request != AccessRequest::allowed)
            return;
        const auto tap =
            taps.createTap(keyEvents, [&](std::uint32_t, const PlatformEvent& event) { received.push_back(event); });
        ASSERT_TRUE(tap);
        taps.enable(*tap, true);
    });
    EXPECT_FALSE(permission->requestInputMonitoring());
    EXPECT_EQ(permission->accessRequest.get(), AccessRequest::asking);
    EXPECT_FALSE(permission->isInputMonitoringGranted());
    ASSERT_TRUE(answered(*permission, AccessRequest::allowed));
    EXPECT_TRUE(permission->isInputMonitoringGranted());
    EXPECT_TRUE(state.boolForKey(InputMonitoringPermission::readerChosenKey));
    ASSERT_TRUE(test::runEventLoopUntil([&] { return received.size() == 2; }, 10s));
    EXPECT_EQ(received[0].type, EventType::keyDown);
    EXPECT_EQ(received[0].layoutText, "a");
    EXPECT_EQ(received[1].type, EventType::keyUp);
    // The input group is the other way, on the help page.
    permission->openSystemSettings();
    EXPECT_EQ(workspace.opened, std::vector<std::string>{"file:///help/input-access.html#wayland"});
    EXPECT_TRUE(said.empty());

    // Quitting lets the reader go: its input ends and it is gone.
    QFile pidText(QString::fromStdString(pidFile()));
    ASSERT_TRUE(pidText.open(QIODevice::ReadOnly));
    const pid_t reader = pidText.readAll().trimmed().toInt();
    ASSERT_GT(reader, 0);
    permission.reset();
    EXPECT_EQ(::kill(reader, 0), -1);
    EXPECT_EQ(errno, ESRCH);
}

TEST_F(ReaderPermission, ADismissedDialogOrARefusalChangesNothing)
{
    // pkexec's statuses: 126 when the dialog is dismissed, 127 when not authorised.
    for (const auto& [status, expected] :
         {std::pair{"126", AccessRequest::cancelled}, std::pair{"127", AccessRequest::refused}}) {
        auto permission = service(shell(std::string("exit ") + status));
        permission->requestInputMonitoring();
        ASSERT_TRUE(answered(*permission, expected)) << status;
        EXPECT_FALSE(permission->isInputMonitoringGranted());
        EXPECT_FALSE(state.object(InputMonitoringPermission::readerChosenKey)) << status;
        EXPECT_FALSE(InputMonitoringPermission::requestText(expected).english().empty());
        // Asked again, the system asks again.
        permission->requestInputMonitoring();
        EXPECT_EQ(permission->accessRequest.get(), AccessRequest::asking);
        ASSERT_TRUE(answered(*permission, expected));
    }
    // A refusal is said on standard error as well (a start that asks again shows no page).
    ASSERT_EQ(said.size(), 2u);
    EXPECT_NE(said[0].find("did not allow"), std::string::npos) << said[0];
    EXPECT_TRUE(workspace.opened.empty());
}

TEST_F(ReaderPermission, AReaderThatStopsIsSaidOnceWithTheWayBack)
{
    auto permission = service(shell("head -c 24 /dev/zero"));
    permission->requestInputMonitoring();
    ASSERT_TRUE(answered(*permission, AccessRequest::ended));
    EXPECT_FALSE(permission->isInputMonitoringGranted());
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find("Allow…"), std::string::npos) << said[0];
    EXPECT_NE(InputMonitoringPermission::requestText(AccessRequest::ended).english().find("Allow…"), std::string::npos);
}

TEST_F(ReaderPermission, AReaderAllowedThatCannotStartIsNotCalledARefusal)
{
    // The reader's own status after pkexec let it run: not confined, or no device folder.
    auto permission = service(shell("exit " + std::to_string(static_cast<int>(reader::ExitStatus::notConfined))));
    permission->requestInputMonitoring();
    ASSERT_TRUE(answered(*permission, AccessRequest::failed));
    EXPECT_FALSE(permission->isInputMonitoringGranted());
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find("ended before it could read"), std::string::npos) << said[0];
}

TEST_F(ReaderPermission, TheNextStartAsksAgainOnlyWhenTheReaderWasChosen)
{
    auto notChosen = service(shell("exec cat >/dev/null"));
    notChosen->resumeChoice();
    EXPECT_EQ(notChosen->accessRequest.get(), AccessRequest::none);

    state.set(InputMonitoringPermission::readerChosenKey, true);
    auto chosen = service(shell("exec cat >/dev/null"));
    chosen->resumeChoice();
    EXPECT_EQ(chosen->accessRequest.get(), AccessRequest::asking);
}

TEST_F(ReaderPermission, WithoutPkexecItSaysSo)
{
    auto permission = service({folder.filePath("no-pkexec").toStdString(), "kestrel-input-reader"});
    EXPECT_FALSE(permission->requestInputMonitoring());
    EXPECT_EQ(permission->accessRequest.get(), AccessRequest::unavailable);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find("no-pkexec"), std::string::npos) << said[0];
}

} // namespace
} // namespace kestrel::evdev
