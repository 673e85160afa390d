#include "platform/updates/QtUpdateNetwork.h"
#include "platform/updates/LazyUpdateNetwork.h"

#include "support/EventLoop.h"
#include "support/network/HttpsTestServer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>
#include <optional>

namespace kestrel {
namespace {

using namespace std::chrono_literals;

const QByteArray goodFeed = R"(<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">
<channel><item><sparkle:version>9.0</sparkle:version>
<enclosure url="https://example.org/k.deb" length="4" sparkle:edSignature="c2ln"/></item></channel></rss>)";

class QtUpdateNetworkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.isListening()) << server.error().toStdString();
        qputenv("SSL_CERT_FILE", server.certificateFile().toLocal8Bit()); // the test's own authority
    }
    void TearDown() override { qunsetenv("SSL_CERT_FILE"); }

    UpdateNetwork::Feed fetch(const QString& path)
    {
        std::optional<UpdateNetwork::Feed> result;
        network.fetchFeed(server.url(path).toStdString(), [&](UpdateNetwork::Feed feed) { result = std::move(feed); });
        EXPECT_TRUE(test::runEventLoopUntil([&] { return result.has_value(); }, 20s)) << "no answer";
        return result.value_or(UpdateNetwork::Feed{.error = verbatim("no answer")});
    }

    UpdateNetwork::Download download(const QString& path, std::uint64_t length)
    {
        std::optional<UpdateNetwork::Download> result;
        network.download(server.url(path).toStdString(), length, nullptr,
                         [&](UpdateNetwork::Download download) { result = std::move(download); });
        EXPECT_TRUE(test::runEventLoopUntil([&] { return result.has_value(); }, 20s)) << "no answer";
        return result.value_or(UpdateNetwork::Download{.error = verbatim("no answer")});
    }

    test::HttpsTestServer server;
    QTemporaryDir cache;
    QtUpdateNetwork network{cache.path().toStdString()};
};

TEST_F(QtUpdateNetworkTest, AFeedFromATrustedServerReads)
{
    server.answer("/appcast.xml", {.body = goodFeed});
    server.answer("/moved", {.status = 302, .location = "/appcast.xml"});
    for (const char* path : {"/appcast.xml", "/moved"}) {
        const auto feed = fetch(path);
        EXPECT_EQ(feed.error.english(), "") << path;
        ASSERT_EQ(feed.items.size(), 1u) << path;
        EXPECT_EQ(feed.items[0].version, "9.0");
    }
}

TEST_F(QtUpdateNetworkTest, EachBadFeedGivesItsOwnClearMessage)
{
    server.answer("/malformed.xml", {.body = "<rss><channel><item>"});
    server.answer("/huge.xml", {.floodBytes = 50 * 1024 * 1024});
    server.answer("/broken", {.status = 500, .body = "Internal Server Error"});
    server.answer("/loop", {.status = 302, .location = "/loop"});
    EXPECT_NE(fetch("/malformed.xml").error.english().find("not well-formed"), std::string::npos);
    EXPECT_EQ(fetch("/huge.xml").error.english(), "the update feed is larger than an update feed can be");
    EXPECT_EQ(fetch("/broken").error.english(), "the server answered HTTP 500");
    EXPECT_EQ(fetch("/loop").error.english(), "the server redirects too often");

    // Plain HTTP is not asked at all.
    std::optional<UpdateNetwork::Feed> plain;
    network.fetchFeed("http://127.0.0.1:1/appcast.xml", [&](UpdateNetwork::Feed feed) { plain = std::move(feed); });
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->error.english(), "the update feed's address does not start with https://");
}

TEST_F(QtUpdateNetworkTest, AServerWhoseCertificateIsNotTrustedIsNotBelieved)
{
    test::HttpsTestServer stranger; // a certificate nobody vouches for
    ASSERT_TRUE(stranger.isListening());
    stranger.answer("/appcast.xml", {.body = goodFeed});
    std::optional<UpdateNetwork::Feed> result;
    network.fetchFeed(stranger.url("/appcast.xml").toStdString(), [&](UpdateNetwork::Feed feed) { result = feed; });
    ASSERT_TRUE(test::runEventLoopUntil([&] { return result.has_value(); }, 20s));
    EXPECT_TRUE(result->items.empty());
    EXPECT_NE(result->error.english().find("certificate is not trusted"), std::string::npos) << result->error.english();
}

TEST_F(QtUpdateNetworkTest, APackageArrivesWholeOrNotAtAll)
{
    server.answer("/kestrel.deb", {.body = "1234"});
    server.answer("/truncated.deb", {.body = "12", .announcedLength = 4});
    server.answer("/longer.deb", {.body = "123456"});

    const auto whole = download("/kestrel.deb", 4);
    EXPECT_EQ(whole.error.english(), "");
    EXPECT_EQ(std::filesystem::file_size(whole.file), 4u);
    EXPECT_TRUE(whole.file.string().starts_with(cache.path().toStdString()));

    const auto cut = download("/truncated.deb", 4);
    EXPECT_NE(cut.error.english(), "");
    EXPECT_TRUE(cut.file.empty());
    const auto longer = download("/longer.deb", 4);
    EXPECT_EQ(longer.error.english(), "the package is longer than the update feed says");
    server.answer("/missing.deb", {.status = 404, .body = "<html>a long page saying the package is not here</html>"});
    EXPECT_EQ(download("/missing.deb", 4).error.english(), "the server answered HTTP 404");
    // Nothing partial is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cache.path().toStdString()), {}), 1);
}

// Asks for a package and returns the answer only when it came at once, before anything was
// asked of the network.
std::optional<UpdateNetwork::Download> answeredAtOnce(UpdateNetwork& network, const std::string& url)
{
    std::optional<UpdateNetwork::Download> result;
    network.download(url, 4, nullptr, [&](UpdateNetwork::Download download) { result = std::move(download); });
    return result;
}

std::vector<std::filesystem::path> filesIn(const QString& folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.toStdString()))
        files.push_back(entry.path());
    return files;
}

TEST_F(QtUpdateNetworkTest, APackageAtAPlainHttpAddressIsNotAskedFor)
{
    server.answer("/kestrel.deb", {.body = "1234"});
    QString plain = server.url("/kestrel.deb");
    ASSERT_TRUE(plain.startsWith(u"https://"));
    plain.remove(4, 1);
    const auto refused = answeredAtOnce(network, plain.toStdString());
    ASSERT_TRUE(refused.has_value()) << "answered before any request";
    EXPECT_EQ(refused->error.english(), "the package's address does not start with https://");
    EXPECT_TRUE(refused->file.empty());
    EXPECT_TRUE(filesIn(cache.path()).empty()) << "not even an empty file";
}

TEST_F(QtUpdateNetworkTest, ACacheFolderThatCannotBeMadeIsAClearFailure)
{
    // A regular file where a folder should be: no one, root included, makes a folder in it.
    const QString notAFolder = cache.filePath(QStringLiteral("not-a-folder"));
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    server.answer("/kestrel.deb", {.body = "1234"});
    for (const std::filesystem::path& folder :
         {std::filesystem::path(notAFolder.toStdString()) / "cache", std::filesystem::path()}) {
        QtUpdateNetwork misplaced{folder};
        const auto failed = answeredAtOnce(misplaced, server.url("/kestrel.deb").toStdString());
        ASSERT_TRUE(failed.has_value()) << folder;
        EXPECT_EQ(failed->error.english(), "there is no cache folder to download into") << folder;
        EXPECT_TRUE(failed->file.empty());
    }
    EXPECT_EQ(filesIn(cache.path()), std::vector<std::filesystem::path>{notAFolder.toStdString()});
}

TEST_F(QtUpdateNetworkTest, APackageThatCannotBeWrittenIsAClearFailureAndLeavesNothing)
{
    server.answer("/kestrel.deb", {.body = "1234"});
    const std::string url = server.url("/kestrel.deb").toStdString();

    // A folder in the package's place cannot be opened for writing, by root either.
    const QString place = cache.filePath(QStringLiteral("kestrel.deb"));
    ASSERT_TRUE(QDir().mkdir(place));
    const auto unopened = answeredAtOnce(network, url);
    ASSERT_TRUE(unopened.has_value());
    EXPECT_EQ(unopened->error.english().rfind("cannot write " + place.toStdString() + ": ", 0), 0u)
        << unopened->error.english();
    EXPECT_TRUE(unopened->file.empty());
    ASSERT_TRUE(QDir().rmdir(place));

    // A full disk: the package's place leads to /dev/full, which takes no byte.
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full here to stand for a full disk";
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), place));
    const auto full = download("/kestrel.deb", 4);
    EXPECT_EQ(full.error.english().rfind("cannot write the package: ", 0), 0u) << full.error.english();
    EXPECT_TRUE(full.file.empty());
    EXPECT_TRUE(filesIn(cache.path()).empty()) << "nothing partial is left behind";
}

TEST(LazyUpdateNetwork, AMissingModuleIsAClearFailureNotACrash)
{
    // The tests' folder holds no network module.
    LazyUpdateNetwork network{"/nonexistent"};
    std::optional<UpdateNetwork::Feed> feed;
    network.fetchFeed("https://example.org/appcast.xml", [&](UpdateNetwork::Feed answer) { feed = answer; });
    ASSERT_TRUE(feed.has_value());
    EXPECT_EQ(feed->error.english().rfind("Kestrel's network module could not be loaded", 0), 0u)
        << feed->error.english();
    std::optional<UpdateNetwork::Download> download;
    network.download("https://example.org/k.deb", 4, nullptr,
                     [&](UpdateNetwork::Download answer) { download = answer; });
    ASSERT_TRUE(download.has_value());
    EXPECT_FALSE(download->error.isEmpty());
}

} // namespace
} // namespace kestrel
