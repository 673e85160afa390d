#include "platform/linux/JsonDefaultsStore.h"

#include "settings/Preferences.h"

#include "support/RefusedSystemCall.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace kestrel {
namespace {

namespace fs = std::filesystem;

class JsonDefaultsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(m_folder.path().empty());
        m_directory = m_folder.path();
        file = m_directory / "config" / "kestrel" / "preferences.json";
    }

    static std::string read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream contents;
        contents << in.rdbuf();
        return contents.str();
    }
    static void write(const fs::path& path, const std::string& contents)
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
    }
    std::vector<std::string> filesBesideTheStore() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(file.parent_path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TemporaryFolder m_folder{"kestrel-prefs"};
    fs::path m_directory;
    fs::path file;
};

TEST_F(JsonDefaultsStoreTest, CreatesItsDirectoryAndKeepsTypedValuesAcrossRuns)
{
    {
        JsonDefaultsStore store(file);
        EXPECT_EQ(store.object("showKeystrokes"), std::nullopt);
        EXPECT_TRUE(store.set(PreferenceKey::showKeystrokes, false));
        EXPECT_TRUE(store.set(PreferenceKey::displayDuration, 2.5));
        EXPECT_TRUE(store.set(PreferenceKey::keyColor, "purple"));
        EXPECT_TRUE(store.set(PreferenceKey::overlayDisplay, "Écran ⌘"));
    }
    const auto json = nlohmann::json::parse(read(file));
    EXPECT_EQ(json["showKeystrokes"], false);
    EXPECT_EQ(json["displayDuration"], 2.5);
    EXPECT_EQ(json["keyColor"], "purple");

    JsonDefaultsStore reopened(file);
    EXPECT_FALSE(Preferences::showKeystrokes(reopened));
    EXPECT_EQ(Preferences::displayDuration(reopened), 2.5);
    EXPECT_EQ(Preferences::keyColor(reopened), KeyColor::purple);
    EXPECT_EQ(Preferences::overlayDisplay(reopened), "Écran ⌘");
    EXPECT_EQ(filesBesideTheStore(), std::vector<std::string>{"preferences.json"}) << "no temporary files left";
}

TEST_F(JsonDefaultsStoreTest, PicksUpChangesMadeBehindItsBackAndMergesThemIntoItsWrites)
{
    JsonDefaultsStore settings(file);
    JsonDefaultsStore overlay(file); // a second process on the same file
    ASSERT_TRUE(settings.set(PreferenceKey::overlaySize, "large"));
    EXPECT_EQ(Preferences::overlaySize(overlay), OverlaySize::large);

    write(file, R"({"overlaySize": "small", "displayMode": "shortcutsOnly", "futureKey": [1, 2]})");
    EXPECT_EQ(Preferences::overlaySize(settings), OverlaySize::small);
    EXPECT_TRUE(Preferences::isShortcutsOnly(overlay));
    EXPECT_EQ(settings.object("futureKey"), std::nullopt) << "not a preference value, but kept";

    ASSERT_TRUE(overlay.set(PreferenceKey::keyColor, "red"));
    const auto json = nlohmann::json::parse(read(file));
    EXPECT_EQ(json["overlaySize"], "small");
    EXPECT_EQ(json["displayMode"], "shortcutsOnly");
    EXPECT_EQ(json["futureKey"], nlohmann::json::array({1, 2}));
    EXPECT_EQ(json["keyColor"], "red");

    fs::remove(file);
    EXPECT_EQ(Preferences::keyColor(settings), KeyColor::dark) << "a deleted file reads as empty";
}

TEST_F(JsonDefaultsStoreTest, ReadsThatComeTogetherLookAtTheFileOnceWritesAlwaysLook)
{
    JsonDefaultsStore settings(file);
    ASSERT_TRUE(settings.set(PreferenceKey::overlaySize, "large"));
    JsonDefaultsStore overlay(file, JsonDefaultsStore::Contents::preferences, std::chrono::hours(1));
    EXPECT_EQ(Preferences::overlaySize(overlay), OverlaySize::large) << "the first read looks";

    ASSERT_TRUE(settings.set(PreferenceKey::overlaySize, "small"));
    EXPECT_EQ(Preferences::overlaySize(overlay), OverlaySize::large) << "reads soon after it do not";
    ASSERT_TRUE(overlay.set(PreferenceKey::keyColor, "red"));
    EXPECT_EQ(Preferences::overlaySize(overlay), OverlaySize::small) << "a write merges what it finds";
    EXPECT_EQ(nlohmann::json::parse(read(file))["overlaySize"], "small") << "and loses nothing of it";
}

TEST_F(JsonDefaultsStoreTest, AFileThatDoesNotParseReadsEmptyAndIsKeptAsideBeforeTheNextWrite)
{
    const std::string broken = "{\"keyColor\": \"blue\",, oops";
    write(file, broken);
    JsonDefaultsStore store(file);
    EXPECT_EQ(Preferences::keyColor(store), KeyColor::dark);
    EXPECT_EQ(read(file), broken) << "reading never touches the file";

    ASSERT_TRUE(store.set(PreferenceKey::overlaySize, "small"));
    EXPECT_EQ(read(fs::path(file.string() + ".broken")), broken);
    EXPECT_EQ(nlohmann::json::parse(read(file)), nlohmann::json({{"overlaySize", "small"}}));

    // A second broken file does not replace the first one set aside.
    write(file, "[\"not an object\"]");
    EXPECT_EQ(Preferences::overlaySize(store), OverlaySize::medium);
    ASSERT_TRUE(store.set(PreferenceKey::overlaySize, "large"));
    EXPECT_EQ(read(fs::path(file.string() + ".broken")), broken);
    EXPECT_EQ(read(fs::path(file.string() + ".broken-2")), "[\"not an object\"]");
}

TEST_F(JsonDefaultsStoreTest, ABrokenFileNeverReplacesOneSetAsideBefore)
{
    write(file, "{ broken");
    for (int n = 1; n <= 1000; ++n)
        write(fs::path(file.string() + (n == 1 ? ".broken" : ".broken-" + std::to_string(n))), std::to_string(n));
    JsonDefaultsStore store(file);
    EXPECT_FALSE(store.set(PreferenceKey::keyColor, "red")) << "no free name: nothing is moved";
    EXPECT_EQ(read(file), "{ broken");
    EXPECT_EQ(read(fs::path(file.string() + ".broken-1000")), "1000");
    EXPECT_EQ(Preferences::keyColor(store), KeyColor::red);

    fs::remove(fs::path(file.string() + ".broken-500"));
    EXPECT_TRUE(store.set(PreferenceKey::keyColor, "blue"));
    EXPECT_EQ(read(fs::path(file.string() + ".broken-500")), "{ broken");
    EXPECT_EQ(nlohmann::json::parse(read(file)), nlohmann::json({{"keyColor", "blue"}}));
}

TEST_F(JsonDefaultsStoreTest, AWriteStaysSmallEnoughToBeReadBack)
{
    // Kept members Kestrel does not know: compact they fit, indented they would not.
    nlohmann::json future = nlohmann::json::array();
    for (int i = 0; i < 200'000; ++i)
        future.push_back(i % 10);
    write(file, nlohmann::json({{"future", future}}).dump());
    JsonDefaultsStore store(file);
    ASSERT_TRUE(store.set(PreferenceKey::keyColor, "blue"));
    EXPECT_LE(fs::file_size(file), 1u << 20);
    JsonDefaultsStore reread(file);
    EXPECT_EQ(Preferences::keyColor(reread), KeyColor::blue);
    EXPECT_TRUE(reread.problem().get().isEmpty());
}

TEST_F(JsonDefaultsStoreTest, AValueTooLargeToSaveLeavesTheOldFileSaysSoOnceAndStaysInMemory)
{
    JsonDefaultsStore store(file);
    ASSERT_TRUE(store.set(PreferenceKey::keyColor, "blue"));
    const std::string saved = read(file);
    std::vector<std::string> messages;
    store.problem().subscribe([&](const UiMessage& message) { messages.push_back(message.english()); });

    // More than a preferences file can hold, however it is written.
    const std::string huge(2 << 20, 'x');
    EXPECT_FALSE(store.set(PreferenceKey::overlayDisplay, huge));
    EXPECT_FALSE(store.set(PreferenceKey::overlayDisplay, huge + "y"));
    EXPECT_EQ(read(file), saved) << "the old file, byte for byte";
    EXPECT_EQ(filesBesideTheStore(), std::vector<std::string>{"preferences.json"}) << "no temporary file left";
    ASSERT_EQ(messages.size(), 1u) << "said once";
    EXPECT_NE(messages[0].find("larger than a preferences file can be"), std::string::npos) << messages[0];
    EXPECT_EQ(Preferences::overlayDisplay(store), huge + "y") << "kept in memory";

    ASSERT_TRUE(store.set(PreferenceKey::overlayDisplay, "HDMI-1"));
    EXPECT_EQ(messages.back(), "");
    EXPECT_EQ(nlohmann::json::parse(read(file)), nlohmann::json({{"keyColor", "blue"}, {"overlayDisplay", "HDMI-1"}}));
}

TEST_F(JsonDefaultsStoreTest, WithoutRenamesThatRefuseToReplaceABrokenFileStillGoesAsideReplacingNothing)
{
    write(file, "{ broken");
    write(fs::path(file.string() + ".broken"), "set aside before");
    // A child process whose renameat2 the kernel refuses with EINVAL, as on a file system
    // without RENAME_NOREPLACE.
    const int result = test::resultInChild([&] {
        if (!test::refuseSystemCall(SYS_renameat2, EINVAL) ||
            ::renameat2(AT_FDCWD, "from", AT_FDCWD, "to", RENAME_NOREPLACE) == 0 || errno != EINVAL)
            return 10;
        JsonDefaultsStore store(file);
        return store.set(PreferenceKey::keyColor, "red") ? 0 : 1;
    });
    if (result == 10)
        GTEST_SKIP() << "this kernel takes no system call filter";
    EXPECT_EQ(result, 0) << "the write failed";
    EXPECT_EQ(read(fs::path(file.string() + ".broken")), "set aside before");
    EXPECT_EQ(read(fs::path(file.string() + ".broken-2")), "{ broken");
    EXPECT_EQ(nlohmann::json::parse(read(file)), nlohmann::json({{"keyColor", "red"}}));
    EXPECT_EQ(filesBesideTheStore(),
              (std::vector<std::string>{"preferences.json", "preferences.json.broken", "preferences.json.broken-2"}));
}

TEST_F(JsonDefaultsStoreTest, ANumberBeyondADoubleCostsNoOtherPreference)
{
    write(file, R"({"keyColor": "green", "displayDuration": 1e400, "customPositionX": -2e999,
                    "customPositionY": 1e-999, "overlayDisplay": "1e400"})");
    JsonDefaultsStore store(file);
    EXPECT_EQ(Preferences::keyColor(store), KeyColor::green);
    EXPECT_EQ(Preferences::displayDuration(store), std::numeric_limits<double>::max());
    EXPECT_EQ(Preferences::customPositionX(store), 0.0);
    EXPECT_EQ(store.object(PreferenceKey::customPositionY), DefaultsValue{0.0});
    EXPECT_EQ(Preferences::overlayDisplay(store), "1e400") << "strings are left alone";
}

TEST_F(JsonDefaultsStoreTest, ACrashBetweenWriteAndRenameLeavesTheOldFileWhole)
{
    JsonDefaultsStore store(file);
    ASSERT_TRUE(store.set(PreferenceKey::keyColor, "orange"));
    const std::string before = read(file);

    // The child dies of SIGXFSZ halfway through writing the temporary file: a real crash
    // in the middle of a write, before any rename could happen.
    const auto crashWhileWriting = [&] {
        const rlimit limit{8, 8};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        store.set(PreferenceKey::overlayDisplay, std::string(4096, 'x'));
        std::_Exit(0);
    };
    EXPECT_EXIT(crashWhileWriting(), ::testing::KilledBySignal(SIGXFSZ), "");

    EXPECT_EQ(read(file), before);
    JsonDefaultsStore afterCrash(file);
    EXPECT_EQ(Preferences::keyColor(afterCrash), KeyColor::orange);
    EXPECT_EQ(Preferences::overlayDisplay(afterCrash), "");
    EXPECT_TRUE(afterCrash.set(PreferenceKey::keyColor, "yellow"));
    EXPECT_EQ(Preferences::keyColor(JsonDefaultsStore(file)), KeyColor::yellow);
}

TEST_F(JsonDefaultsStoreTest, AFailedWriteIsReportedAndTheValueStillReadsBack)
{
    write(m_directory / "blocker", "a file where a directory should be");
    JsonDefaultsStore store(m_directory / "blocker" / "kestrel" / "preferences.json");
    EXPECT_FALSE(store.set(PreferenceKey::keyColor, "blue"));
    EXPECT_EQ(Preferences::keyColor(store), KeyColor::blue);

    // A broken file set aside, then a write that fails: the value still reads back.
    // The broken file's new name still fits in a file name; the temporary file's does not.
    const fs::path longName = m_directory / (std::string(242, 'p') + ".json");
    write(longName, "{ broken");
    JsonDefaultsStore unlucky(longName);
    EXPECT_FALSE(unlucky.set(PreferenceKey::keyColor, "pink")) << "no room for the temporary file's name";
    EXPECT_EQ(Preferences::keyColor(unlucky), KeyColor::pink);

    JsonDefaultsStore good(file);
    EXPECT_FALSE(good.set(PreferenceKey::displayDuration, std::nan("")));
    EXPECT_FALSE(good.set(PreferenceKey::displayDuration, HUGE_VAL));
    EXPECT_EQ(good.object(PreferenceKey::displayDuration), std::nullopt) << "JSON has no form for them";
    EXPECT_FALSE(good.set(PreferenceKey::overlayDisplay, "\xa4 not UTF-8"));
    EXPECT_EQ(good.object(PreferenceKey::overlayDisplay), std::nullopt) << "nor for text that is not UTF-8";
}

TEST_F(JsonDefaultsStoreTest, WritesThroughASymbolicLinkAndSetsAsideTheFileItPointsTo)
{
    const fs::path real = m_directory / "dotfiles" / "kestrel.json";
    write(real, R"({"keyColor": "pink"})");
    fs::create_directories(file.parent_path());
    fs::create_symlink("../../dotfiles/kestrel.json", file);

    JsonDefaultsStore store(file);
    EXPECT_EQ(Preferences::keyColor(store), KeyColor::pink);
    ASSERT_TRUE(store.set(PreferenceKey::overlaySize, "small"));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(nlohmann::json::parse(read(real))["overlaySize"], "small");

    // A broken file behind the link goes aside where it is; the link stays a link.
    write(real, "{ broken");
    ASSERT_TRUE(store.set(PreferenceKey::keyColor, "red"));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(read(fs::path(real.string() + ".broken")), "{ broken");
    EXPECT_EQ(nlohmann::json::parse(read(real)), nlohmann::json({{"keyColor", "red"}}));
    EXPECT_EQ(filesBesideTheStore(), std::vector<std::string>{"preferences.json"});

    // A link to a file not written yet gets its file.
    fs::remove(real);
    ASSERT_TRUE(store.set(PreferenceKey::keyColor, "green"));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(nlohmann::json::parse(read(real))["keyColor"], "green");
}

TEST_F(JsonDefaultsStoreTest, ARewriteKeepsTheFilesPermissionsAndANewFileIsPrivate)
{
    JsonDefaultsStore store(file);
    ASSERT_TRUE(store.set(PreferenceKey::keyColor, "blue"));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(store.set(PreferenceKey::keyColor, "red"));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// Everything that makes the file unreadable. None of it may ever be moved, replaced or
// written: the user's settings may be fine behind it.
class UnreadablePreferencesTest : public JsonDefaultsStoreTest {
protected:
    // Reads and writes through a store on `file`, expecting the defaults (or what was set),
    // refused writes and one message; then checks that `file` is exactly as it was.
    void expectLeftAlone(const std::string& what)
    {
        SCOPED_TRACE(what);
        const auto before = fs::symlink_status(file).type();
        const std::string contents = fs::is_regular_file(fs::symlink_status(file)) ? read(file) : std::string{};
        {
            JsonDefaultsStore store(file);
            int messages = 0;
            store.problem().subscribe([&](const UiMessage& message) { messages += message.isEmpty() ? 0 : 1; });
            EXPECT_EQ(Preferences::keyColor(store), KeyColor::dark);
            EXPECT_FALSE(store.set(PreferenceKey::keyColor, "blue"));
            EXPECT_FALSE(store.set(PreferenceKey::overlaySize, "large"));
            EXPECT_EQ(Preferences::keyColor(store), KeyColor::blue) << "kept in memory";
            EXPECT_EQ(Preferences::overlaySize(store), OverlaySize::large);
            EXPECT_EQ(messages, 1);
            EXPECT_NE(store.problem().get().english().find(file.string()), std::string::npos)
                << store.problem().get().english();
        }
        EXPECT_EQ(fs::symlink_status(file).type(), before);
        if (before == fs::file_type::regular) {
            EXPECT_EQ(read(file), contents);
        }
        EXPECT_EQ(filesBesideTheStore(), std::vector<std::string>{"preferences.json"});
    }
};

TEST_F(UnreadablePreferencesTest, AFileThatCannotBeReadIsNeverMovedOrOverwritten)
{
    // Good settings, but more than a preferences file can hold.
    write(file, R"({"keyColor": "green",)" + std::string(2 << 20, ' ') + R"("overlaySize": "small"})");
    expectLeftAlone("a file of 2 MiB");

    write(file, R"({"keyColor": "green", "future": )" + std::string(100, '[') + std::string(100, ']') + "}");
    expectLeftAlone("nested deeper than any preferences file");

    fs::remove(file);
    fs::create_directory(file);
    expectLeftAlone("a directory");
    fs::remove(file);

    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    expectLeftAlone("a FIFO: opening it must not wait for a writer");
    fs::remove(file);

    fs::create_symlink("preferences.json", file);
    expectLeftAlone("a link to itself");
    fs::remove(file);
}

// Permissions bind ordinary users only: as root, `body` runs in a child as "nobody", who then
// owns the test's files. It returns whether everything went as expected.
template <typename Body>
void asOrdinaryUser(const fs::path& directory, Body body)
{
    if (::geteuid() != 0) {
        EXPECT_TRUE(body());
        return;
    }
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    for (const auto& entry : fs::recursive_directory_iterator(directory))
        ASSERT_EQ(::lchown(entry.path().c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    ASSERT_EQ(::chown(directory.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    const auto run = [&] {
        if (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0)
            std::_Exit(2);
        std::_Exit(body() ? 0 : 1);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "");
}

TEST_F(UnreadablePreferencesTest, AFileWithoutReadPermissionIsNeverMovedOrOverwritten)
{
    write(file, R"({"keyColor": "green"})");
    fs::permissions(file, fs::perms::none);
    asOrdinaryUser(m_directory, [&] {
        JsonDefaultsStore store(file);
        return Preferences::keyColor(store) == KeyColor::dark && !store.set(PreferenceKey::keyColor, "blue") &&
               Preferences::keyColor(store) == KeyColor::blue && !store.problem().get().isEmpty();
    });
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_EQ(read(file), R"({"keyColor": "green"})");
    EXPECT_EQ(filesBesideTheStore(), std::vector<std::string>{"preferences.json"});
}

TEST_F(UnreadablePreferencesTest, AFileMadeUnreadableAfterItWasReadIsNotOverwritten)
{
    write(file, R"({"keyColor": "green"})");
    asOrdinaryUser(m_directory, [&] {
        JsonDefaultsStore store(file);
        const bool readFirst = Preferences::keyColor(store) == KeyColor::green;
        fs::permissions(file, fs::perms::none); // the same file, size and time: only its mode changes
        return readFirst && !store.set(PreferenceKey::overlaySize, "large") &&
               Preferences::keyColor(store) == KeyColor::green && !store.problem().get().isEmpty();
    });
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_EQ(read(file), R"({"keyColor": "green"})");
}

TEST_F(UnreadablePreferencesTest, KeepsTheValuesLastReadAndSavesWhatWasSetOnceTheFileReadsAgain)
{
    write(file, R"({"keyColor": "green", "overlaySize": "small"})");
    JsonDefaultsStore store(file);
    std::vector<std::string> messages;
    store.problem().subscribe([&](const UiMessage& message) { messages.push_back(message.english()); });
    EXPECT_EQ(Preferences::keyColor(store), KeyColor::green);

    const fs::path away = m_directory / "away.json";
    fs::rename(file, away);
    fs::create_directory(file); // say, a sync tool's conflict
    EXPECT_EQ(Preferences::keyColor(store), KeyColor::green) << "the values last read stay";
    EXPECT_FALSE(store.set(PreferenceKey::displayDuration, 3.0));
    EXPECT_EQ(Preferences::overlaySize(store), OverlaySize::small);
    EXPECT_EQ(Preferences::displayDuration(store), 3.0);
    ASSERT_EQ(messages.size(), 1u);

    fs::remove(file);
    fs::rename(away, file);
    EXPECT_EQ(Preferences::keyColor(store), KeyColor::green);
    EXPECT_EQ(Preferences::displayDuration(store), 3.0) << "what was set is not lost";
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages.back(), "") << "the trouble is over";
    ASSERT_TRUE(store.set(PreferenceKey::keyColor, "red"));
    EXPECT_EQ(nlohmann::json::parse(read(file)),
              nlohmann::json({{"keyColor", "red"}, {"overlaySize", "small"}, {"displayDuration", 3.0}}));
}

TEST_F(UnreadablePreferencesTest, OnceWhatCouldNotBeReadIsGoneANewFileKeepsWhatWasSet)
{
    fs::create_directories(file);
    JsonDefaultsStore store(file);
    EXPECT_FALSE(store.set(PreferenceKey::keyColor, "blue"));
    fs::remove(file);
    EXPECT_TRUE(store.set(PreferenceKey::overlaySize, "large"));
    EXPECT_TRUE(store.problem().get().isEmpty());
    EXPECT_EQ(nlohmann::json::parse(read(file)), nlohmann::json({{"keyColor", "blue"}, {"overlaySize", "large"}}));
}

TEST_F(JsonDefaultsStoreTest, KestrelsStateFileIsNamedAsSuchInWhatItSays)
{
    fs::create_directories(file); // a folder where the file belongs
    const JsonDefaultsStore state(file, JsonDefaultsStore::Contents::state);
    state.object("settingsWindowFrame");
    EXPECT_EQ(state.problem().get().english().rfind("cannot read the state file " + file.string(), 0), 0u)
        << state.problem().get().english();
}

TEST_F(JsonDefaultsStoreTest, WriteFailuresAreToldOnceAndWhatWasSetIsSavedLater)
{
    write(m_directory / "config", "a file where the configuration directory should be");
    JsonDefaultsStore store(file);
    std::vector<std::string> messages;
    store.problem().subscribe([&](const UiMessage& message) { messages.push_back(message.english()); });
    for (const char* color : {"blue", "red", "pink"})
        EXPECT_FALSE(store.set(PreferenceKey::keyColor, color));
    EXPECT_FALSE(store.set(PreferenceKey::overlaySize, "large"));
    ASSERT_EQ(messages.size(), 1u) << "once, not once per change";
    EXPECT_NE(messages[0].find("cannot save"), std::string::npos) << messages[0];

    fs::remove(m_directory / "config");
    ASSERT_TRUE(store.set(PreferenceKey::displayDuration, 2.0));
    EXPECT_EQ(messages.back(), "");
    EXPECT_EQ(nlohmann::json::parse(read(file)),
              nlohmann::json({{"keyColor", "pink"}, {"overlaySize", "large"}, {"displayDuration", 2.0}}));
}

// The preferences on a real file system that refuses writes: a tiny tmpfs, filled to the
// last block or made read-only. Mounting one takes root, as in CI.
class RefusingDiskTest : public JsonDefaultsStoreTest {
protected:
    void SetUp() override
    {
        JsonDefaultsStoreTest::SetUp();
        if (::geteuid() != 0)
            GTEST_SKIP() << "mounting a tmpfs takes root";
        m_mount = m_directory / "config";
        fs::create_directories(m_mount);
        ASSERT_EQ(::mount("tmpfs", m_mount.c_str(), "tmpfs", 0, "size=64k,mode=0700"), 0) << std::strerror(errno);
        m_mounted = true;
    }
    void TearDown() override
    {
        if (m_mounted)
            ::umount2(m_mount.c_str(), MNT_DETACH);
    }

    // Writes a file until the disk has no block left.
    void fill()
    {
        std::ofstream filler(m_mount / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {}
        ASSERT_EQ(fs::space(m_mount).available, 0u);
    }

    // A file that is a mount point of its own reads as before, but cannot be replaced.
    void bindOverItself(const fs::path& path)
    {
        ASSERT_EQ(::mount(path.c_str(), path.c_str(), nullptr, MS_BIND, nullptr), 0) << std::strerror(errno);
    }

    void remount(unsigned long flags)
    {
        ASSERT_EQ(::mount(nullptr, m_mount.c_str(), nullptr, MS_REMOUNT | flags, nullptr), 0) << std::strerror(errno);
    }

    // Sets one preference while the disk refuses, then another once it takes writes again.
    void expectNothingLost(const std::function<void()>& refuse, const std::function<void()>& allow,
                           const std::string& why)
    {
        JsonDefaultsStore store(file);
        ASSERT_TRUE(store.set(PreferenceKey::keyColor, "blue"));
        const std::string saved = read(file);
        std::vector<std::string> messages;
        store.problem().subscribe([&](const UiMessage& message) { messages.push_back(message.english()); });

        refuse();
        EXPECT_FALSE(store.set(PreferenceKey::keyColor, "red"));
        EXPECT_FALSE(store.set(PreferenceKey::overlaySize, "large"));
        EXPECT_EQ(read(file), saved) << "the old file, byte for byte";
        EXPECT_EQ(filesBesideTheStore(), std::vector<std::string>{"preferences.json"}) << "no temporary file left";
        ASSERT_EQ(messages.size(), 1u) << "said once";
        EXPECT_NE(messages[0].find("cannot save"), std::string::npos) << messages[0];
        EXPECT_NE(messages[0].find(why), std::string::npos) << messages[0];
        EXPECT_EQ(Preferences::keyColor(store), KeyColor::red) << "kept in memory";

        allow();
        ASSERT_TRUE(store.set(PreferenceKey::displayDuration, 2.0));
        EXPECT_EQ(messages.back(), "");
        EXPECT_EQ(nlohmann::json::parse(read(file)),
                  nlohmann::json({{"keyColor", "red"}, {"overlaySize", "large"}, {"displayDuration", 2.0}}));
    }

    fs::path m_mount;
    bool m_mounted = false;
};

TEST_F(RefusingDiskTest, AFullDiskKeepsTheOldFileSaysSoOnceAndTheNextWriteSavesEverything)
{
    expectNothingLost([&] { fill(); }, [&] { fs::remove(m_mount / "filler"); }, std::strerror(ENOSPC));
}

TEST_F(RefusingDiskTest, AReadOnlyDiskKeepsTheOldFileSaysSoOnceAndTheNextWriteSavesEverything)
{
    expectNothingLost([&] { remount(MS_RDONLY); }, [&] { remount(0); }, std::strerror(EROFS));
}

TEST_F(RefusingDiskTest, AFileThatCannotBeReplacedIsKeptSaidOnceAndTheNextWriteSavesEverything)
{
    expectNothingLost([&] { bindOverItself(file); }, [&] { ASSERT_EQ(::umount2(file.c_str(), 0), 0); },
                      std::strerror(EBUSY));
}

TEST_F(RefusingDiskTest, AFileRemovedBetweenAFailedWriteAndTheNextLosesNothingThatWasSet)
{
    write(file, R"({"keyColor": "green", "overlaySize": "small"})");
    JsonDefaultsStore store(file);
    EXPECT_EQ(Preferences::overlaySize(store), OverlaySize::small);
    bindOverItself(file);
    EXPECT_FALSE(store.set(PreferenceKey::keyColor, "red"));
    ASSERT_EQ(::umount2(file.c_str(), 0), 0);

    fs::remove(file);
    ASSERT_TRUE(store.set(PreferenceKey::displayDuration, 2.0));
    EXPECT_EQ(nlohmann::json::parse(read(file)), nlohmann::json({{"keyColor", "red"}, {"displayDuration", 2.0}}))
        << "what was set, and nothing of the removed file";
}

TEST(JsonDefaultsStorePath, FollowsTheXdgConfigHomeRules)
{
    EXPECT_EQ(JsonDefaultsStore::defaultPathFor(nullptr, nullptr), "");
    JsonDefaultsStore memoryOnly{""};
    EXPECT_FALSE(memoryOnly.set(PreferenceKey::keyColor, "red"));
    EXPECT_EQ(Preferences::keyColor(memoryOnly), KeyColor::red);

    EXPECT_EQ(JsonDefaultsStore::defaultPathFor("/xdg", "/home/ada"), "/xdg/kestrel/preferences.json");
    EXPECT_EQ(JsonDefaultsStore::defaultPathFor(nullptr, "/home/ada"), "/home/ada/.config/kestrel/preferences.json");
    EXPECT_EQ(JsonDefaultsStore::defaultPathFor("relative/dir", "/home/ada"),
              "/home/ada/.config/kestrel/preferences.json");
}

} // namespace
} // namespace kestrel
