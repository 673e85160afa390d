#include "app/ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kestrel {

namespace {

// Kestrel's catalogues are built into the program.
constexpr auto kestrelCatalogues = ":/i18n";

} // namespace

Translations::Translations(const QStringList& languages)
{
    // A user who puts English before another language gets English.
    for (const QString& language : languages) {
        if (language == QStringLiteral("C") || language.startsWith(QStringLiteral("en")))
            return;
        if (install(language, QStringLiteral("kestrel"), QString::fromLatin1(kestrelCatalogues))) {
            install(language, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
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

bool Translations::install(const QString& language, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(language), name, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator.get()))
        return false;
    m_translators.push_back(std::move(translator));
    return true;
}

} // namespace kestrel
