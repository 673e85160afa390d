#include "settings/ui/AboutSection.h"

#include "app/AppInfo.h"
#include "app/AppUpdater.h"
#include "common/ui/QtText.h"
#include "common/ui/SecondaryText.h"
#include "common/ui/SwitchButton.h"
#include "platform/Workspace.h"
#include "settings/ui/SettingsForm.h"

#include <QDate>
#include <QLabel>
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
    auto* version = new QLabel(qt(info.versionText));
    showAsSecondary(*version);
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    product->addRow(new FormRow(qt(info.name), QString(), version));
    m_check = new QPushButton(QStringLiteral("Check for Updates…"));
    m_automatic = new SwitchButton;
    const bool fromTheSystem = m_updater.updatesComeFromTheSystem();
    product->addRow(new FormRow(QStringLiteral("Software Update"),
                                fromTheSystem ? QStringLiteral("Kestrel is updated with your system's other software")
                                              : QStringLiteral("Check for the latest version"),
                                m_check));
    product->addRow(new FormRow(QStringLiteral("Automatic Updates"), QStringLiteral("Check for updates automatically"),
                                m_automatic));
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
    addLinks({{QStringLiteral("Support"), QStringLiteral("Questions, bugs, or ideas"),
               QStringLiteral("Contact Support"), info.supportMailURL},
              {QStringLiteral("Website"), QStringLiteral("Learn more about ") + name, QStringLiteral("Visit Website"),
               info.websiteURL}});
    addLinks({{QStringLiteral("Privacy Policy"), name + QStringLiteral(" never stores or sends what you type"),
               QStringLiteral("View"), info.privacyURL},
              {QStringLiteral("Acknowledgements"), QStringLiteral("Open source software used in ") + name,
               QStringLiteral("View"), info.acknowledgementsURL}});
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
    m_footer->setText(QStringLiteral("© %1 %2").arg(QDate::currentDate().year()).arg(qt(AppInfo::current().publisher)));
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
