#include "platform/qt/QtWorkspace.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace kestrel {
namespace {

namespace fs = std::filesystem;

// Help pages beside a program in a build tree: the English one, and German.
class HelpPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        root = folder.path().toStdString();
        fs::create_directories(root / "help" / "de");
        std::ofstream(root / "help" / "input-access.html") << "English";
        std::ofstream(root / "help" / "de" / "input-access.html") << "Deutsch";
    }

    std::string page(const std::string& language)
    {
        return QtWorkspace::helpPageURL("input-access.html", language, root / "kestrel");
    }

    QTemporaryDir folder;
    fs::path root;
};

TEST_F(HelpPages, ThePageIsInTheLanguageOfKestrelsTextsWhereItIsWrittenInIt)
{
    const std::string english = "file://" + (root / "help" / "input-access.html").string();
    EXPECT_EQ(page("de"), "file://" + (root / "help" / "de" / "input-access.html").string());
    EXPECT_EQ(page(""), english);
    EXPECT_EQ(page("ja"), english) << "a language without its page gets English";
    EXPECT_EQ(page("../help"), english) << "only a plain name is a language";
    EXPECT_EQ(QtWorkspace::helpPageURL("missing.html", "de", root / "kestrel"), "");
}

} // namespace
} // namespace kestrel
