// Every text of the tray panel, onboarding and the settings window is shown whole, with PC and
// Mac key labels and at every overlay size: no label is cut at its end or by its window.

#include "app/InputMonitoringPermission.h"
#include "app/MenuCommands.h"
#include "app/ui/MenuPanel.h"
#include "app/ui/OnboardingWindow.h"
#include "settings/Preferences.h"
#include "settings/ui/SettingsWindow.h"
#include "support/SettingsDoubles.h"
#include "support/ShellDoubles.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

#include <gtest/gtest.h>

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

// The texts of `window` that do not fit where they are shown, described for the failure.
std::vector<std::string> clippedTexts(QWidget& window, const std::string& where)
{
    // Laid out as it would be on screen: pending layout requests first.
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    std::vector<std::string> clipped;
    const auto report = [&](const QString& text, const QString& why) {
        clipped.push_back(where + ": \"" + text.toStdString() + "\" " + why.toStdString());
    };
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
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
        // Within the window: across always, down unless a scroll area takes it.
        const QRect frame(widget->mapTo(&window, QPoint()), widget->size());
        const bool across = frame.left() >= 0 && frame.right() < window.width();
        const bool down = isInsideScrollArea(widget, &window) || (frame.top() >= 0 && frame.bottom() < window.height());
        if (!across || !down)
            report(text, QStringLiteral("reaches out of its window"));
    }
    return clipped;
}

struct Look {
    KeyLabelStyle labels;
    OverlaySize size;
};

std::string describe(const Look& look)
{
    return std::string(rawValue(look.labels)) + " labels, " + std::string(rawValue(look.size));
}

std::vector<Look> everyLook()
{
    std::vector<Look> looks;
    for (const auto& labels : EnumCases<KeyLabelStyle>::all) {
        for (const auto& size : EnumCases<OverlaySize>::all)
            looks.push_back({labels.value, size.value});
    }
    return looks;
}

TEST(TextFit, ThePanelShowsEveryTextWholeWithEitherKeyLabels)
{
    for (const Look& look : everyLook()) {
        test::ShellDoubles shell;
        shell.defaults.set(PreferenceKey::keyLabelStyle, std::string(rawValue(look.labels)));
        shell.defaults.set(PreferenceKey::overlaySize, std::string(rawValue(look.size)));
        for (const bool granted : {true, false}) {
            shell.permission.granted = granted;
            MenuCommands commands({shell.visualizer, shell.updater, shell.permission, shell.defaults}, {});
            MenuPanel panel(commands, shell.scheduler);
            panel.popUp(QRect(500, 0, 22, 22), QPoint());
            EXPECT_GE(panel.QWidget::width(), MenuPanel::width);
            EXPECT_EQ(clippedTexts(panel, "panel, " + describe(look)), std::vector<std::string>{});
            panel.hide();
        }
    }
}

TEST(TextFit, OnboardingShowsEveryTextWholeOnEachPage)
{
    for (const Look& look : everyLook()) {
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
                EXPECT_EQ(clippedTexts(window, where), std::vector<std::string>{});
                if (asks && page == 1) {
                    // Each answer the dialog can give, under the two ways.
                    for (const AccessRequest answer :
                         {AccessRequest::cancelled, AccessRequest::refused, AccessRequest::unavailable,
                          AccessRequest::failed, AccessRequest::ended}) {
                        shell.permission.accessRequest = answer;
                        EXPECT_EQ(
                            clippedTexts(window,
                                         where + ", " +
                                             std::string(InputMonitoringPermission::requestText(answer).english())),
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
            EXPECT_EQ(clippedTexts(window, where), std::vector<std::string>{});
        }
        controller.window()->hide();
    }
}

} // namespace
} // namespace kestrel
