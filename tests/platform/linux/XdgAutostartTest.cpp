#include "platform/linux/XdgAutostart.h"

#include "support/ScopedVariable.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
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
        ASSERT_FALSE(folder.path().empty());
        root = folder.path();
        executable = root / "bin" / "kestrel";
        writeFile(executable, "#!/bin/sh\n");
        fs::permissions(executable, fs::perms::owner_all);
    }
    test::TemporaryFolder folder{"kestrel-autostart"};
    fs::path root;
    fs::path executable;
    fs::path entry() const { return root / "config" / "autostart" / "kestrel.desktop"; }
    XdgAutostart autostart() const { return XdgAutostart(entry(), executable, "Kestrel"); }
    // Whatever is in the autostart folder, a temporary file left behind included.
    std::vector<std::string> filesInTheFolder() const
    {
        std::vector<std::string> names;
        for (const auto& file : fs::directory_iterator(entry().parent_path()))
            names.push_back(file.path().filename().string());
        return names;
    }
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
    test::ScopedVariable path("PATH", (root / "bin").string());
    EXPECT_TRUE(service.isEnabled());
    path.set("/usr/bin:/bin");
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

TEST_F(XdgAutostartTest, AnEntryTooLargeToBeOneIsNeitherTrustedNorTouched)
{
    const std::string large = "[Desktop Entry]\nExec=" + executable.string() + "\nX-Kestrel-Entry=true\n# " +
                              std::string(100'000, 'x') + "\n";
    writeFile(entry(), large);
    auto service = autostart();
    EXPECT_FALSE(service.isEnabled());
    for (const bool enabled : {true, false}) {
        const std::string failure = service.setEnabled(enabled);
        EXPECT_NE(failure.find("too large"), std::string::npos) << enabled << ": " << failure;
    }
    EXPECT_EQ(readFile(entry()), large);
    EXPECT_EQ(filesInTheFolder(), std::vector<std::string>{"kestrel.desktop"});

    // Nor does Kestrel write one it would not read back.
    fs::remove(entry());
    XdgAutostart longName(entry(), executable, std::string(100'000, 'K'));
    EXPECT_NE(longName.setEnabled(true), "");
    EXPECT_FALSE(longName.isEnabled());
    EXPECT_TRUE(fs::is_empty(entry().parent_path()));
}

TEST_F(XdgAutostartTest, AnEntryWhoseTemporaryFileCannotBeMadeIsAFailureThatLeavesNothing)
{
    // The entry's name fits in a folder; with the temporary file's additions it does not.
    const fs::path longEntry = entry().parent_path() / (std::string(240, 'k') + ".desktop");
    fs::create_directories(longEntry.parent_path());
    XdgAutostart service(longEntry, executable, "Kestrel");
    const std::string failure = service.setEnabled(true);
    EXPECT_NE(failure.find(std::strerror(ENAMETOOLONG)), std::string::npos) << failure;
    EXPECT_FALSE(service.isEnabled());
    EXPECT_TRUE(fs::is_empty(longEntry.parent_path()));
}

// An entry that is a mount point of its own reads as before, but can be neither replaced nor
// removed. Mounting takes root, as in CI.
class FixedAutostartEntryTest : public XdgAutostartTest {
protected:
    void SetUp() override
    {
        XdgAutostartTest::SetUp();
        if (::geteuid() != 0)
            GTEST_SKIP() << "mounting takes root";
    }
    void TearDown() override
    {
        if (m_mounted)
            ::umount2(entry().c_str(), MNT_DETACH);
    }
    void fix(const std::string& text)
    {
        writeFile(entry(), text);
        ASSERT_EQ(::mount(entry().c_str(), entry().c_str(), nullptr, MS_BIND, nullptr), 0) << std::strerror(errno);
        m_mounted = true;
    }

    bool m_mounted = false;
};

TEST_F(FixedAutostartEntryTest, AnEntryThatCannotBeReplacedIsAFailureThatLeavesNothing)
{
    const std::string off = "[Desktop Entry]\nExec=" + executable.string() + "\nHidden=true\nX-Kestrel-Entry=true\n";
    fix(off);
    auto service = autostart();
    const std::string failure = service.setEnabled(true);
    EXPECT_NE(failure.find(std::strerror(EBUSY)), std::string::npos) << failure;
    EXPECT_FALSE(service.isEnabled());
    EXPECT_EQ(readFile(entry()), off);
    EXPECT_EQ(filesInTheFolder(), std::vector<std::string>{"kestrel.desktop"}) << "no temporary file left";
}

TEST_F(FixedAutostartEntryTest, AnEntryThatCannotBeRemovedIsAFailureAndStaysOn)
{
    const std::string on = "[Desktop Entry]\nExec=" + executable.string() + "\nX-Kestrel-Entry=true\n";
    fix(on);
    auto service = autostart();
    const std::string failure = service.setEnabled(false);
    EXPECT_NE(failure.find("cannot remove"), std::string::npos) << failure;
    EXPECT_NE(failure.find(std::strerror(EBUSY)), std::string::npos) << failure;
    EXPECT_TRUE(service.isEnabled());
    EXPECT_EQ(readFile(entry()), on);
}

} // namespace
} // namespace kestrel
