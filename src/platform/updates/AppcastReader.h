#pragma once

#include "app/Appcast.h"
#include "common/UiText.h"

#include <QByteArray>

#include <string>
#include <vector>

namespace kestrel {

// Reads an update feed: RSS 2.0 with the appcast namespace for versions and signatures.
// Versions may sit in elements of the item or in attributes of its enclosure. Whatever is
// not part of that form is ignored; text that is not well-formed XML is an error.
struct AppcastReader {
    std::vector<AppcastItem> items;
    UiMessage error; // in words for the user; empty when the feed read

    static AppcastReader read(const QByteArray& xml);
};

} // namespace kestrel
