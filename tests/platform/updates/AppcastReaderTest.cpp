#include "platform/updates/AppcastReader.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(AppcastReader, ReadsItemsWithVersionsInElementsOrInTheEnclosure)
{
    const auto feed = AppcastReader::read(R"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">
  <channel>
    <title>Kestrel</title>
    <item>
      <title>Kestrel 1.2</title>
      <sparkle:version>1.2.0</sparkle:version>
      <sparkle:shortVersionString>1.2</sparkle:shortVersionString>
      <sparkle:minimumSystemVersion>12</sparkle:minimumSystemVersion>
      <sparkle:releaseNotesLink>https://example.org/notes/1.2</sparkle:releaseNotesLink>
      <description><![CDATA[<h2>New</h2><script>alert(1)</script>]]></description>
      <enclosure url="https://example.org/kestrel_1.2.deb" length="123456"
                 type="application/vnd.debian.binary-package" sparkle:edSignature="c2ln"/>
    </item>
    <item>
      <title>Kestrel 1.1</title>
      <enclosure url="https://example.org/kestrel_1.1.deb" length="not a number" sparkle:version="1.1"/>
    </item>
  </channel>
</rss>)");
    ASSERT_TRUE(feed.error.isEmpty()) << feed.error.english();
    ASSERT_EQ(feed.items.size(), 2u);
    const AppcastItem& first = feed.items[0];
    EXPECT_EQ(first.title, "Kestrel 1.2");
    EXPECT_EQ(first.version, "1.2.0");
    EXPECT_EQ(first.shortVersion, "1.2");
    EXPECT_EQ(first.minimumSystemVersion, "12");
    EXPECT_EQ(first.releaseNotesURL, "https://example.org/notes/1.2");
    EXPECT_EQ(first.enclosureURL, "https://example.org/kestrel_1.2.deb");
    EXPECT_EQ(first.enclosureLength, 123456u);
    EXPECT_EQ(first.enclosureType, "application/vnd.debian.binary-package");
    EXPECT_EQ(first.edSignature, "c2ln");
    EXPECT_NE(first.description.find("<script>"), std::string::npos) << "kept as text, never run";
    EXPECT_EQ(feed.items[1].version, "1.1");
    EXPECT_EQ(feed.items[1].shortVersion, "1.1");
    EXPECT_EQ(feed.items[1].enclosureLength, 0u);
}

TEST(AppcastReader, TextThatIsNotAFeedIsAnErrorWithNoItems)
{
    const auto broken = AppcastReader::read("<rss><channel><item><title>1.2</title></channel></rss>");
    EXPECT_TRUE(broken.items.empty());
    EXPECT_NE(broken.error.english().find("not well-formed"), std::string::npos) << broken.error.english();

    EXPECT_FALSE(AppcastReader::read("<html><body>Not found</body></html>").error.isEmpty());
    EXPECT_FALSE(AppcastReader::read("").error.isEmpty());
    // Entities that grow without end are stopped by the parser's limit.
    const auto bomb =
        AppcastReader::read(R"(<!DOCTYPE rss [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">
<!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;"><!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;">
<!ENTITY e "&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;"><!ENTITY f "&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;">]>
<rss><channel><item><title>&f;</title></item></channel></rss>)");
    EXPECT_FALSE(bomb.error.isEmpty());
}

} // namespace
} // namespace kestrel
