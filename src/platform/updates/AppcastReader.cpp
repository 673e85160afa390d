#include "platform/updates/AppcastReader.h"

#include <QXmlStreamReader>

namespace kestrel {

namespace {

// The namespace of the appcast elements and attributes.
const QString appcastNamespace = QStringLiteral("http://www.andymatuschak.org/xml-namespaces/sparkle");

std::string text(const QStringView view)
{
    return view.toString().trimmed().toStdString();
}

} // namespace

AppcastReader AppcastReader::read(const QByteArray& xml)
{
    AppcastReader result;
    QXmlStreamReader reader(xml);
    bool sawChannel = false;
    std::optional<AppcastItem> item;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::EndElement && reader.name() == u"item" && reader.namespaceUri().isEmpty()) {
            if (item)
                result.items.push_back(std::move(*item));
            item.reset();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const bool appcast = reader.namespaceUri() == appcastNamespace;
        const bool plain = reader.namespaceUri().isEmpty();
        const QStringView name = reader.name();
        if (plain && name == u"channel") {
            sawChannel = true;
        } else if (plain && name == u"item") {
            item.emplace();
        } else if (!item) {
            continue;
        } else if (plain && name == u"title") {
            item->title = reader.readElementText(QXmlStreamReader::SkipChildElements).trimmed().toStdString();
        } else if (plain && name == u"description") {
            item->description = reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().toStdString();
        } else if (appcast && name == u"version") {
            item->version = reader.readElementText(QXmlStreamReader::SkipChildElements).trimmed().toStdString();
        } else if (appcast && name == u"shortVersionString") {
            item->shortVersion = reader.readElementText(QXmlStreamReader::SkipChildElements).trimmed().toStdString();
        } else if (appcast && name == u"minimumSystemVersion") {
            item->minimumSystemVersion =
                reader.readElementText(QXmlStreamReader::SkipChildElements).trimmed().toStdString();
        } else if (appcast && name == u"releaseNotesLink") {
            item->releaseNotesURL = reader.readElementText(QXmlStreamReader::SkipChildElements).trimmed().toStdString();
        } else if (plain && name == u"enclosure") {
            const auto attributes = reader.attributes();
            item->enclosureURL = text(attributes.value(QLatin1String("url")));
            item->enclosureType = text(attributes.value(QLatin1String("type")));
            bool ok = false;
            const qulonglong length = attributes.value(QLatin1String("length")).toULongLong(&ok);
            item->enclosureLength = ok ? length : 0;
            item->edSignature = text(attributes.value(appcastNamespace, QLatin1String("edSignature")));
            if (item->version.empty())
                item->version = text(attributes.value(appcastNamespace, QLatin1String("version")));
            if (item->shortVersion.empty())
                item->shortVersion = text(attributes.value(appcastNamespace, QLatin1String("shortVersionString")));
        }
    }
    if (reader.hasError()) {
        result.items.clear();
        result.error = {KESTREL_TEXT("Updates", "the update feed is not well-formed XML (line %1: %2)"),
                        {std::to_string(reader.lineNumber()), reader.errorString().toStdString()}};
    } else if (!sawChannel) {
        result.error = KESTREL_TEXT("Updates", "the update feed is not an RSS channel");
    }
    for (auto& entry : result.items) {
        if (entry.shortVersion.empty())
            entry.shortVersion = entry.version;
    }
    return result;
}

} // namespace kestrel
