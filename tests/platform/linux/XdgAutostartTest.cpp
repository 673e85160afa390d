#include "platform/linux/XdgAutostart.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace kestrel {
namespace {

std::string readFile(const fs::path& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

TEST(DesktopEntry, SplitsExecAsDesktopEntriesQuoteIt)
{
    const auto entry = DesktopEntry::parse("# comment\n"
                                           "[Desktop Entry]\r\n"
                                           "Exec = \"/opt/my apps/kestrel\" --toggle 100%% %U\n"
                                           "Hidden=false\n"
                                           "[Desktop Action quit]\n"
                                           "Exec=/somewhere/else\n"
                                           "Hidden=true\n");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->exec, (std::vector<std::string>{"/opt/my apps/kestrel", "--toggle", "100%", "%U"}));
    EXPECT_FALSE(entry->hidden) << "keys of other groups do not count";

    const auto escaped = DesktopEntry::parse("[Desktop Entry]\nExec=\"/a\\\\\\\\b\\\\$c\" x\\sy\n");
    // \s is a space by the time Exec is split, so it separates arguments.
    EXPECT_EQ(escaped->exec, (std::vector<std::string>{"/a\\b$c", "x", "y"}));

    EXPECT_FALSE(DesktopEntry::parse("Exec=/usr/bin/kestrel\n").has_value()) << "no [Desktop Entry] group";
    EXPECT_TRUE(DesktopEntry::parse("[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n")->autostartDisabled);
}

TEST(DesktopEntry, ExecValuesOfAwkwardPathsReadBackAsThePath)
{
    for (const fs::path path : {"/usr/bin/kestrel", "/opt/my apps/kestrel", "/home/a\"b/$HOME/`x`/back\\slash/100%/k",
                                "/tmp/tab\there/new\nline"}) {
        const auto entry = DesktopEntry::parse("[Desktop Entry]\nExec=" + DesktopEntry::execValue(path) + "\n");
        ASSERT_TRUE(entry && entry->exec.size() == 1) << path;
        EXPECT_EQ(entry->exec.front(), path.string());
    }
}

class XdgAutostartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/kestrel-autostart-XXXXXX";
        root = ::mkdtemp(pattern);
        executable = root / "bin" / "kestrel";
        writeFile(executable, "#!/bin/sh\n");
        fs::permissions(executable, fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path root;
    fs::path executable;
    fs::path entry() const { return root / "config" / "autostart" / "kestrel.desktop"; }
    XdgAutostart autostart() const { return XdgAutostart(entry(), executable, "Kestrel"); }
};

TEST_F(XdgAutostartTest, TurningOnWritesAnEntryThatRunsThisProgramAndTurningOffRemovesIt)
{
    auto service = autostart();
    EXPECT_FALSE(service.isEnabled());
    EXPECT_EQ(service.setEnabled(true), "");
    EXPECT_TRUE(service.isEnabled());
    const auto written = DesktopEntry::parse(readFile(entry()));
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->exec, std::vector<std::string>{executable.string()});
    EXPECT_TRUE(written->writtenByKestrel);
    EXPECT_NE(readFile(entry()).find("Name=Kestrel\n"), std::string::npos);
    EXPECT_EQ(service.setEnabled(true), "") << "already on";

    EXPECT_EQ(service.setEnabled(false), "");
    EXPECT_FALSE(fs::exists(entry()));
    EXPECT_EQ(service.setEnabled(false), "") << "already off";
    // Nothing but the entry is left in the folder: the temporary file was renamed.
    EXPECT_TRUE(fs::is_empty(entry().parent_path()));
}

TEST_F(XdgAutostartTest, AnEntryIsOnOnlyWhileItRunsThisProgramAndIsNotSwitchedOff)
{
    auto service = autostart();
    writeFile(entry(), "[Desktop Entry]\nExec=" + executable.string() + " --toggle\n");
    EXPECT_TRUE(service.isEnabled());
    // Found through PATH, as the desktop will find it.
    writeFile(entry(), "[Desktop Entry]\nExec=kestrel\n");
    const std::string path = (root / "bin").string();
    ::setenv("PATH", path.c_str(), 1);
    EXPECT_TRUE(service.isEnabled());
    ::setenv("PATH", "/usr/bin:/bin", 1);
    EXPECT_FALSE(service.isEnabled());

    for (const char* off : {"Hidden=true", "X-GNOME-Autostart-enabled=false"}) {
        writeFile(entry(), "[Desktop Entry]\nExec=" + executable.string() + "\n" + off + "\n");
        EXPECT_FALSE(service.isEnabled()) << off;
    }
    writeFile(entry(), "[Desktop Entry]\nExec=/usr/bin/true\n");
    EXPECT_FALSE(service.isEnabled()) << "another program";
    writeFile(entry(), "[Desktop Entry]\nExec=bin/kestrel\n");
    EXPECT_FALSE(service.isEnabled()) << "relative paths are not allowed";
}

TEST_F(XdgAutostartTest, AnEntryWrittenBySomeoneElseIsNeverOverwrittenOrDeleted)
{
    auto service = autostart();
    const std::string theirs = "[Desktop Entry]\nExec=" + executable.string() + " --their-flag\nHidden=true\n";
    writeFile(entry(), theirs);
    EXPECT_NE(service.setEnabled(true), "");
    EXPECT_EQ(readFile(entry()), theirs);

    const std::string theirsOn = "[Desktop Entry]\nExec=" + executable.string() + "\n";
    writeFile(entry(), theirsOn);
    EXPECT_NE(service.setEnabled(false), "");
    EXPECT_EQ(readFile(entry()), theirsOn);
    EXPECT_TRUE(service.isEnabled()) << "the state read back tells the truth";

    // Kestrel's own entry, switched off by the desktop, is Kestrel's to rewrite.
    writeFile(entry(), "[Desktop Entry]\nExec=/old/kestrel\nHidden=true\nX-Kestrel-Entry=true\n");
    EXPECT_EQ(service.setEnabled(true), "");
    EXPECT_TRUE(service.isEnabled());
}

TEST_F(XdgAutostartTest, AFolderThatCannotBeMadeFailsWithAReasonAndLeavesItOff)
{
    writeFile(entry().parent_path(), "a file where the autostart folder belongs");
    auto service = autostart();
    const std::string failure = service.setEnabled(true);
    EXPECT_NE(failure.find(entry().parent_path().string()), std::string::npos) << failure;
    EXPECT_FALSE(service.isEnabled());
}

TEST_F(XdgAutostartTest, SomethingThatIsNotAFileIsNotReplaced)
{
    fs::create_directories(entry());
    auto service = autostart();
    EXPECT_NE(service.setEnabled(true), "");
    EXPECT_TRUE(fs::is_directory(entry()));
    EXPECT_FALSE(service.isEnabled());
}

} // namespace
} // namespace kestrel
