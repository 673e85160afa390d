#include "platform/linux/JsonDefaultsStore.h"

#include "settings/Preferences.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include <csignal>
#include <sys/resource.h>

namespace kestrel {
namespace {

namespace fs = std::filesystem;

class JsonDefaultsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "kestrel-prefs-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_directory = pattern;
        file = m_directory / "config" / "kestrel" / "preferences.json";
    }
    void TearDown() override { fs::remove_all(m_directory); }

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
}

TEST_F(JsonDefaultsStoreTest, WritesThroughASymbolicLink)
{
    const fs::path real = m_directory / "dotfiles" / "kestrel.json";
    write(real, R"({"keyColor": "pink"})");
    fs::create_directories(file.parent_path());
    fs::create_symlink(real, file);

    JsonDefaultsStore store(file);
    EXPECT_EQ(Preferences::keyColor(store), KeyColor::pink);
    ASSERT_TRUE(store.set(PreferenceKey::overlaySize, "small"));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(nlohmann::json::parse(read(real))["overlaySize"], "small");
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
