// Every text of the tray panel, onboarding, the update window and the settings window is shown whole, with PC and
// Mac key labels and at every overlay size: no label is cut at its end or by its window. In a
// made-up language 40 % longer than English, every text (what is shown and what a screen reader
// reads) is translated and still whole, written from left to right and from right to left; in
// each language Kestrel is translated into, with that language's keycap legends, every text
// is whole too.

#include "app/InputMonitoringPermission.h"
#include "app/MenuCommands.h"
#include "app/ui/MenuPanel.h"
#include "app/ui/OnboardingWindow.h"
#include "app/ui/Translations.h"
#include "app/ui/UpdateWindow.h"
#include "common/ui/QtText.h"
#include "overlay/KeyLabels.h"
#include "settings/Preferences.h"
#include "settings/ui/SettingsWindow.h"
#include "support/PseudoTranslator.h"
#include "support/SettingsDoubles.h"
#include "support/ShellDoubles.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

namespace kestrel {
namespace {

bool isInsideScrollArea(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* parent = widget->parentWidget(); parent && parent != window; parent = parent->parentWidget()) {
        if (qobject_cast<const QScrollArea*>(parent))
            return true;
    }
    return false;
}

// The language the windows are shown in: English, the made-up one, or one of Kestrel's
// catalogues (`code`).
struct Language {
    enum Kind { english, pseudo, pseudoRightToLeft, catalogue } kind = english;
    std::string code;

    bool isMadeUp() const { return kind == pseudo || kind == pseudoRightToLeft; }
    std::string name() const
    {
        static constexpr const char* names[] = {"English", "made-up language", "made-up language, right to left"};
        return kind == catalogue ? code : names[kind];
    }
};

// Texts shown as they are in every language: names, numbers, and the hot key as the keycaps
// write it (in the keyboard's language already).
bool isData(const QString& text)
{
    static const QRegularExpression names(QStringLiteral(R"(^(Kestrel|Kestrel \S+|\d[\d.]*)$)"));
    return names.match(text).hasMatch() || text == qt(KeyLabels::hotKeyText(KeyLabelStyle::mac)) ||
           text == qt(KeyLabels::hotKeyText(KeyLabelStyle::pc));
}

// The texts of `window` that do not fit where they are shown, and (in the made-up language)
// those left untranslated, described for the failure.
std::vector<std::string> clippedTexts(QWidget& window, const std::string& where, const Language& language = {})
{
    // Laid out as it would be on screen: pending layout requests first.
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    std::vector<std::string> clipped;
    const auto report = [&](const QString& text, const QString& why) {
        clipped.push_back(where + ": \"" + text.toStdString() + "\" " + why.toStdString());
    };
    const auto translatedOrData = [&](const QString& text) {
        if (language.isMadeUp() && !text.isEmpty() && !test::PseudoTranslator::isPseudo(text) && !isData(text))
            report(text, QStringLiteral("is not translated"));
    };
    translatedOrData(window.windowTitle());
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        translatedOrData(widget->accessibleName());
        translatedOrData(widget->accessibleDescription());
        translatedOrData(widget->toolTip());
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int item = 0; item < combo->count(); ++item)
                translatedOrData(combo->itemText(item));
        }
        if (auto* list = qobject_cast<QListWidget*>(widget)) {
            for (int item = 0; item < list->count(); ++item) {
                const QListWidgetItem* row = list->item(item);
                translatedOrData(row->text());
                const int needed = list->fontMetrics().horizontalAdvance(row->text());
                if (needed > list->visualItemRect(row).width())
                    report(row->text(), QStringLiteral("needs %1 pixels and has %2")
                                            .arg(needed)
                                            .arg(list->visualItemRect(row).width()));
            }
        }
        QString text;
        QSize needed;
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
            text = label->text();
            const QRect contents = label->contentsRect();
            needed = label->wordWrap()
                         ? QSize(0, label->heightForWidth(label->width()) - (label->height() - contents.height()))
                         : label->sizeHint();
            if (label->wordWrap() && needed.height() > contents.height())
                report(text, QStringLiteral("wraps onto more lines than its height holds"));
            if (!label->wordWrap() && needed.width() > label->width())
                report(text, QStringLiteral("needs %1 pixels and has %2").arg(needed.width()).arg(label->width()));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty()) {
            text = button->text();
            if (button->sizeHint().width() > button->width())
                report(
                    text,
                    QStringLiteral("needs %1 pixels and has %2").arg(button->sizeHint().width()).arg(button->width()));
        }
        if (text.isEmpty())
            continue;
        translatedOrData(text);
        // Within the window: across always, down unless a scroll area takes it.
        const QRect frame(widget->mapTo(&window, QPoint()), widget->size());
        const bool across = frame.left() >= 0 && frame.right() < window.width();
        const bool down = isInsideScrollArea(widget, &window) || (frame.top() >= 0 && frame.bottom() < window.height());
        if (!across || !down)
            report(text, QStringLiteral("reaches out of its window"));
    }
    return clipped;
}

// Shows the windows, and the keycaps' legends, in `language` while it lives.
class InLanguage {
public:
    explicit InLanguage(const Language& language) : m_translator(language.kind == Language::pseudoRightToLeft)
    {
        if (language.kind == Language::catalogue) {
            m_catalogue.emplace(QStringList{QString::fromStdString(language.code)});
            EXPECT_EQ(m_catalogue->language().toStdString(), language.code) << "no catalogue";
            KeyLabels::setLegendLanguage(language.code);
        } else if (language.isMadeUp()) {
            QCoreApplication::installTranslator(&m_translator);
            QGuiApplication::setLayoutDirection(language.kind == Language::pseudoRightToLeft ? Qt::RightToLeft
                                                                                             : Qt::LeftToRight);
        }
    }
    ~InLanguage()
    {
        QCoreApplication::removeTranslator(&m_translator);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        KeyLabels::setLegendLanguage({});
    }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;

private:
    test::PseudoTranslator m_translator;
    std::optional<Translations> m_catalogue;
};

// The languages Kestrel is translated into, as the build names them.
std::vector<std::string> translatedLanguages()
{
    std::vector<std::string> codes;
    std::istringstream list(KESTREL_LANGUAGES);
    for (std::string code; list >> code;)
        codes.push_back(code);
    return codes;
}

struct Look {
    KeyLabelStyle labels;
    OverlaySize size;
    Language language;
};

std::string describe(const Look& look)
{
    return std::string(rawValue(look.labels)) + " labels, " + std::string(rawValue(look.size)) + ", " +
           look.language.name();
}

// Every key label style at every size in English; in the made-up languages, the largest size
// (the longest texts with the widest keycaps); in each of Kestrel's languages, the largest
// size with PC labels, whose legends are the language's own.
std::vector<Look> everyLook()
{
    std::vector<Look> looks;
    for (const auto& labels : EnumCases<KeyLabelStyle>::all) {
        for (const auto& size : EnumCases<OverlaySize>::all)
            looks.push_back({labels.value, size.value, {}});
        for (const Language::Kind madeUp : {Language::pseudo, Language::pseudoRightToLeft})
            looks.push_back({labels.value, OverlaySize::large, {madeUp, {}}});
    }
    for (const std::string& code : translatedLanguages())
        looks.push_back({KeyLabelStyle::pc, OverlaySize::large, {Language::catalogue, code}});
    return looks;
}

TEST(TextFit, ThePanelShowsEveryTextWholeWithEitherKeyLabels)
{
    for (const Look& look : everyLook()) {
        const InLanguage language(look.language);
        test::ShellDoubles shell;
        shell.defaults.set(PreferenceKey::keyLabelStyle, std::string(rawValue(look.labels)));
        shell.defaults.set(PreferenceKey::overlaySize, std::string(rawValue(look.size)));
        for (const bool granted : {true, false}) {
            shell.permission.granted = granted;
            MenuCommands commands({shell.visualizer, shell.updater, shell.permission, shell.defaults}, {});
            MenuPanel panel(commands, shell.scheduler);
            panel.popUp(QRect(500, 0, 22, 22), QPoint());
            EXPECT_GE(panel.QWidget::width(), MenuPanel::width);
            EXPECT_EQ(clippedTexts(panel, "panel, " + describe(look), look.language), std::vector<std::string>{});
            panel.hide();
        }
    }
}

TEST(TextFit, OnboardingShowsEveryTextWholeOnEachPage)
{
    for (const Look& look : everyLook()) {
        const InLanguage language(look.language);
        // Granted; not granted with the help page; not granted with the system's dialog.
        for (const auto& [granted, asks] : {std::pair{true, false}, std::pair{false, false}, std::pair{false, true}}) {
            test::SettingsDoubles shell;
            shell.defaults.set(PreferenceKey::keyLabelStyle, std::string(rawValue(look.labels)));
            shell.defaults.set(PreferenceKey::overlaySize, std::string(rawValue(look.size)));
            shell.permission.granted = granted;
            shell.permission.asks = asks;
            OnboardingWindowController controller{shell.onboardingServices()};
            controller.show();
            OnboardingWindow& window = *controller.window();
            const int pages = window.stepIndicator().count();
            for (int page = 0; page < pages; ++page) {
                const std::string where = "onboarding page " + std::to_string(page + 1) + ", " + describe(look);
                EXPECT_EQ(clippedTexts(window, where, look.language), std::vector<std::string>{});
                if (asks && page == 1) {
                    // Each answer the dialog can give, under the two ways.
                    for (const AccessRequest answer :
                         {AccessRequest::cancelled, AccessRequest::refused, AccessRequest::unavailable,
                          AccessRequest::failed, AccessRequest::ended}) {
                        shell.permission.accessRequest = answer;
                        EXPECT_EQ(
                            clippedTexts(window,
                                         where + ", " +
                                             std::string(InputMonitoringPermission::requestText(answer).english()),
                                         look.language),
                            std::vector<std::string>{});
                    }
                }
                if (page + 1 < pages && !granted && page == 1) {
                    shell.permission.granted = true; // the permission page moves on once access comes
                    shell.scheduler.advance(std::chrono::seconds(1));
                } else if (page + 1 < pages) {
                    QTest::mouseClick(&window.primaryButton(), Qt::LeftButton);
                }
            }
            window.hide();
        }
    }
}

TEST(TextFit, EverySettingsSectionShowsEveryTextWhole)
{
    for (const Look& look : everyLook()) {
        const InLanguage language(look.language);
        test::SettingsDoubles shell;
        // Input access missing, where the system's dialog is asked: General's longest row.
        shell.permission.granted = look.labels == KeyLabelStyle::pc;
        shell.permission.asks = true;
        shell.permission.accessRequest = shell.permission.granted ? AccessRequest::allowed : AccessRequest::failed;
        shell.defaults.set(PreferenceKey::keyLabelStyle, std::string(rawValue(look.labels)));
        shell.defaults.set(PreferenceKey::overlaySize, std::string(rawValue(look.size)));
        SettingsWindowController controller{shell.services()};
        for (const auto& section : {SettingsSection::general, SettingsSection::appearance, SettingsSection::displays,
                                    SettingsSection::about}) {
            controller.navigation.selection = section;
            controller.open();
            SettingsWindow& window = *controller.window();
            const std::string where = window.detailTitle().toStdString() + ", " + describe(look);
            EXPECT_EQ(clippedTexts(window, where, look.language), std::vector<std::string>{});
        }
        controller.window()->hide();
    }
}

TEST(TextFit, TheUpdateWindowShowsEveryTextWholeInEachState)
{
    const AppcastItem update{.version = "1.2",
                             .shortVersion = "1.2",
                             .releaseNotesURL = "https://updates.example.org/1.2.html",
                             .description = "<p>Keycaps fade sooner.</p>"};
    for (const Look& look : everyLook()) {
        if (look.size != OverlaySize::large)
            continue; // the window shows no keycaps
        const InLanguage language(look.language);
        test::ShellDoubles shell;
        UpdateWindow window(shell.updater, shell.workspace);
        const std::vector<std::pair<std::string, std::function<void()>>> states{
            {"checking", [&] { window.showChecking(); }},
            {"up to date", [&] { window.showUpToDate("1.0"); }},
            {"error",
             [&] {
                 window.showError({KESTREL_TEXT("Updates", "The update could not be installed: %1"), {"pkexec"}});
             }},
            {"offer", [&] { window.showUpdate(update, [](UpdateChoice) {}); }},
            {"downloading", [&] { window.showDownloading(1, 4); }},
            {"installed",
             [&] {
                 window.showInstalled({KESTREL_TEXT("Updates", "Kestrel %1 was handed to the system's installer. Quit "
                                                               "and start Kestrel again once it is installed."),
                                       {"1.2"}});
             }},
        };
        for (const auto& [state, show] : states) {
            show();
            EXPECT_EQ(clippedTexts(*window.window(), "update window, " + state + ", " + describe(look), look.language),
                      std::vector<std::string>{});
        }
        window.window()->hide();
    }
}

} // namespace
} // namespace kestrel
