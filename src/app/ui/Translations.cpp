#include "app/ui/Translations.h"

#include "common/ui/Translated.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kestrel {

namespace {

// Kestrel's catalogues are built into the program.
constexpr auto kestrelCatalogues = ":/i18n";

// Kestrel's catalogue for the first of `languages` it speaks; none when English comes first
// (a user who puts English before another language gets English) or none is spoken.
std::unique_ptr<QTranslator> kestrelCatalogue(const QStringList& languages)
{
    for (const QString& language : languages) {
        if (language == QStringLiteral("C") || language.startsWith(QStringLiteral("en")))
            return nullptr;
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QLocale(language), QStringLiteral("kestrel"), QStringLiteral("_"),
                             QString::fromLatin1(kestrelCatalogues)))
            return translator;
    }
    return nullptr;
}

} // namespace

Translations::Translations(const QStringList& languages)
{
    auto kestrel = kestrelCatalogue(languages);
    if (!kestrel || !QCoreApplication::installTranslator(kestrel.get()))
        return;
    const QLocale language(kestrel->language());
    m_translators.push_back(std::move(kestrel));
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(qt.get()))
        m_translators.push_back(std::move(qt));
}

Translations::~Translations()
{
    for (const auto& translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
}

QString Translations::language() const
{
    return m_translators.empty() ? QString() : m_translators.front()->language();
}

QString Translations::beforeTheApplication(const UiMessage& message)
{
    if (QCoreApplication::instance())
        return translated(message);
    // Loaded the first time Kestrel has something to say this early, kept until it exits.
    static const std::unique_ptr<QTranslator> catalogue = kestrelCatalogue(QLocale::system().uiLanguages());
    return translatedBy(message, [](const UiText& text) {
        return catalogue ? catalogue->translate(text.context, text.source) : QString();
    });
}

} // namespace kestrel
