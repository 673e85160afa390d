#include "app/ui/Translations.h"

#include "common/ui/Translated.h"
#include "settings/SettingsSection.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace kestrel {
namespace {

QString general()
{
    return translated(sectionInfo(SettingsSection::general).title);
}

// Qt's own text for a standard button, as its dialogs show it.
QString cancel()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

TEST(Translations, TheFirstOfTheUsersLanguagesThatKestrelSpeaksIsUsedWithQtsOwn)
{
    {
        const Translations german({QStringLiteral("de-DE"), QStringLiteral("de")});
        EXPECT_EQ(german.language(), QStringLiteral("de"));
        EXPECT_EQ(general(), QStringLiteral("Allgemein"));
        EXPECT_EQ(cancel(), QStringLiteral("Abbrechen")) << "Qt's catalogue for its standard texts";
        // A message in another's place is translated where it stands; a system's text is not.
        const UiMessage failed{KESTREL_TEXT("Updates", "Kestrel could not check for updates: %1"),
                               {UiMessage{KESTREL_TEXT("Updates", "the server redirects too often")}}};
        EXPECT_EQ(translated(failed),
                  QStringLiteral("Kestrel konnte nicht nach Updates suchen: der Server leitet zu oft um"));
        EXPECT_EQ(translated(verbatim("General")), QStringLiteral("General"));
    }
    EXPECT_EQ(general(), QStringLiteral("General")) << "taken out again when they go";
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));

    // A language Kestrel does not speak is passed over; a region falls back to its language.
    const Translations french({QStringLiteral("tlh"), QStringLiteral("fr-CA")});
    EXPECT_EQ(french.language(), QStringLiteral("fr"));
    EXPECT_EQ(general(), QStringLiteral("Général"));
}

TEST(Translations, EnglishBeforeAnotherLanguageAndTheCLocaleKeepKestrelsOwnTexts)
{
    for (const QStringList& languages : {QStringList{QStringLiteral("en-GB"), QStringLiteral("de")},
                                         QStringList{QStringLiteral("C")}, QStringList{}}) {
        const Translations none(languages);
        EXPECT_TRUE(none.language().isEmpty()) << languages.join(u',').toStdString();
        EXPECT_EQ(general(), QStringLiteral("General"));
    }
    // Brazilian Portuguese is its own, and Chinese is the simplified script's.
    EXPECT_EQ(Translations({QStringLiteral("pt-BR")}).language(), QStringLiteral("pt_BR"));
    EXPECT_EQ(Translations({QStringLiteral("zh-Hans-CN"), QStringLiteral("zh-CN")}).language(),
              QStringLiteral("zh_CN"));
}

} // namespace
} // namespace kestrel
