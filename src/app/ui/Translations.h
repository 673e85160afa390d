#pragma once

#include "common/UiText.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

namespace kestrel {

// Kestrel's translations, and Qt's own for the texts of its standard dialogs and controls,
// for the user's language, installed in the application for as long as this lives. The first
// of `languages` that Kestrel speaks is used; English, Kestrel's own, needs none. By default
// the desktop's languages, in the user's order (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG).
class Translations {
public:
    explicit Translations(const QStringList& languages = QLocale::system().uiLanguages());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language of the texts ("de", "pt_BR"), or empty for English.
    QString language() const;

    // `message` in the desktop's language, also before the application is made (what Kestrel
    // says on standard error as it starts, its --help); as the installed translations say it
    // once it is.
    static QString beforeTheApplication(const UiMessage& message);

private:
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};

} // namespace kestrel
