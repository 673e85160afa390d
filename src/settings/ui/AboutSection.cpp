#include "settings/ui/AboutSection.h"

#include "app/AppInfo.h"
#include "app/AppUpdater.h"
#include "common/ui/QtText.h"
#include "common/ui/SecondaryText.h"
#include "common/ui/SwitchButton.h"
#include "common/ui/Translated.h"
#include "platform/Workspace.h"
#include "settings/ui/SettingsForm.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrel {

AboutSection::AboutSection(AppUpdater& updater, Workspace& workspace, QWidget* parent)
    : QWidget(parent), m_updater(updater)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* form = new SettingsForm(this);
    layout->addWidget(form);
    const AppInfo& info = AppInfo::current();

    FormSection* product = form->addSection();
    auto* version = new QLabel(translated(info.version));
    showAsSecondary(*version);
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    product->addRow(new FormRow(qt(info.name), QString(), version));
    m_check = new QPushButton(tr("Check for Updates…"));
    m_automatic = new SwitchButton;
    const bool fromTheSystem = m_updater.updatesComeFromTheSystem();
    product->addRow(new FormRow(tr("Software Update"),
                                fromTheSystem ? tr("%1 is updated with your system's other software").arg(qt(info.name))
                                              : tr("Check for the latest version"),
                                m_check));
    product->addRow(new FormRow(tr("Automatic Updates"), tr("Check for updates automatically"), m_automatic));
    m_automatic->setEnabled(!fromTheSystem);
    connect(m_check, &QPushButton::clicked, this, [this] { m_updater.checkForUpdates(); });
    connect(m_automatic, &QAbstractButton::clicked, this,
            [this](bool on) { m_updater.setAutomaticallyChecksForUpdates(on); });
    const auto canCheck = m_updater.canCheckForUpdates.subscribe([this](bool can) { m_check->setEnabled(can); });
    const auto automatic =
        m_updater.automaticallyChecksForUpdates().subscribe([this](bool on) { m_automatic->setChecked(on); });
    m_unsubscribe = {[this, canCheck] { m_updater.canCheckForUpdates.unsubscribe(canCheck); },
                     [this, automatic] { m_updater.automaticallyChecksForUpdates().unsubscribe(automatic); }};
    m_check->setEnabled(m_updater.canCheckForUpdates);
    m_automatic->setChecked(m_updater.automaticallyChecksForUpdates());

    // The links; a row whose address the build leaves empty is not shown at all.
    struct Link {
        QString title;
        QString subtitle;
        QString button;
        std::string url;
    };
    const auto addLinks = [&](std::initializer_list<Link> links) {
        FormSection* section = nullptr;
        for (const Link& link : links) {
            if (link.url.empty())
                continue;
            if (!section)
                section = form->addSection();
            auto* button = new QPushButton(link.button);
            connect(button, &QPushButton::clicked, this, [&workspace, url = link.url] { workspace.openURL(url); });
            section->addRow(new FormRow(link.title, link.subtitle, button));
        }
    };
    const QString name = qt(info.name);
    addLinks({{tr("Support"), tr("Questions, bugs, or ideas"), tr("Contact Support"), info.supportMailURL},
              {tr("Website"), tr("Learn more about %1").arg(name), tr("Visit Website"), info.websiteURL}});
    addLinks(
        {{tr("Privacy Policy"), tr("%1 never stores or sends what you type").arg(name), tr("View"), info.privacyURL},
         {tr("Acknowledgements"), tr("Open source software used in %1").arg(name), tr("View"),
          info.acknowledgementsURL}});
    m_footer = form->addFooter(QString());
    refresh();
}

AboutSection::~AboutSection()
{
    for (const auto& unsubscribe : m_unsubscribe)
        unsubscribe();
}

void AboutSection::refresh()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator); // a year: 2026, never 2,026
    m_footer->setText(tr("© %1 %2", "the year, then who publishes Kestrel")
                          .arg(locale.toString(QDate::currentDate().year()), qt(AppInfo::current().publisher)));
}

QString AboutSection::footer() const
{
    return m_footer->text();
}

void AboutSection::showEvent(QShowEvent* event)
{
    refresh();
    QWidget::showEvent(event);
}

} // namespace kestrel
