#include "platform/updates/QtPackageInstaller.h"

#include "support/EventLoop.h"
#include "support/FakeShellServices.h"
#include "support/ScopedVariable.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <fstream>

namespace kestrel {
namespace {

using namespace std::chrono_literals;

// The installer looks for pkexec and apt-get on PATH; the test's PATH holds only the programs
// each case puts there. The stand-in for pkexec writes the arguments it was started with, one
// a line, to a file, and nothing else.
class QtPackageInstallerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programs.isValid() && downloads.isValid());
        std::ofstream(package) << "1234";
    }

    void addProgram(const QString& name, const QByteArray& contents)
    {
        QFile file(programs.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void addPkexec()
    {
        addProgram(QStringLiteral("pkexec"), "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record.toLocal8Bit() +
                                                 ".partial'\nexec /bin/mv '" + record.toLocal8Bit() + ".partial' '" +
                                                 record.toLocal8Bit() + "'\n");
    }
    void addAptGet() { addProgram(QStringLiteral("apt-get"), "#!/bin/sh\nexit 0\n"); }

    // What the pkexec stand-in was started with, once it has run.
    QStringList pkexecArguments()
    {
        QFile file(record);
        if (!test::runEventLoopUntil([&] { return file.exists(); }, 10s) || !file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir programs;
    QTemporaryDir downloads;
    const QString record = programs.filePath(QStringLiteral("pkexec-arguments"));
    const std::filesystem::path folder = downloads.path().toStdString();
    const std::filesystem::path package = folder / "kestrel_1.2.deb";
    test::ScopedVariable path{"PATH", programs.path().toStdString()};
    test::RecordingWorkspace workspace;
    QtPackageInstaller installer{workspace};
};

TEST_F(QtPackageInstallerTest, ADebianPackageGoesToAptGetThroughPkexec)
{
    addPkexec();
    addAptGet();
    EXPECT_EQ(installer.install(package).english(), "");
    EXPECT_EQ(pkexecArguments(), (QStringList{programs.filePath(QStringLiteral("apt-get")), QStringLiteral("install"),
                                              QStringLiteral("--yes"), QString::fromStdString(package.string())}));
    EXPECT_TRUE(workspace.opened.empty()) << "the folder is not opened as well";
}

TEST_F(QtPackageInstallerTest, WithoutPkexecOrAptGetOrForAnotherKindOfPackageTheFolderIsOpened)
{
    const std::string folderURL = "file://" + folder.string();
    addAptGet();
    EXPECT_EQ(installer.install(package).english(), "") << "no pkexec";
    EXPECT_EQ(workspace.opened, std::vector<std::string>{folderURL});

    QFile::remove(programs.filePath(QStringLiteral("apt-get")));
    addPkexec();
    EXPECT_EQ(installer.install(package).english(), "") << "no apt-get";
    EXPECT_EQ(workspace.opened, std::vector<std::string>(2, folderURL));

    // Opening the folder happens only when pkexec was not started, so the stand-in never ran.
    addAptGet();
    EXPECT_EQ(installer.install(folder / "kestrel-1.2.tar.gz").english(), "");
    EXPECT_EQ(workspace.opened, std::vector<std::string>(3, folderURL));
}

TEST_F(QtPackageInstallerTest, APkexecThatCannotStartFallsBackToTheFolder)
{
    addProgram(QStringLiteral("pkexec"), "\x7f"
                                         "ELF, but not a program"); // found on PATH, refused by the kernel
    addAptGet();
    EXPECT_EQ(installer.install(package).english(), "");
    EXPECT_EQ(workspace.opened, std::vector<std::string>{"file://" + folder.string()});
}

TEST_F(QtPackageInstallerTest, WhenNothingOpensTheFolderTheUserIsToldWhereThePackageIs)
{
    workspace.opens = false;
    const std::string failure = installer.install(package).english();
    EXPECT_EQ(workspace.opened.size(), 1u);
    EXPECT_EQ(failure, "nothing on this system installs it; the package is in " + folder.string());
}

} // namespace
} // namespace kestrel
