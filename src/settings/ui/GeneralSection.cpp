#include "settings/ui/GeneralSection.h"

#include "app/AppInfo.h"
#include "app/InputMonitoringPermission.h"
#include "app/OpenAtLogin.h"
#include "common/ui/QtText.h"
#include "common/ui/SecondaryText.h"
#include "common/ui/SwitchButton.h"
#include "common/ui/Symbols.h"
#include "common/ui/Translated.h"
#include "overlay/KeyLabels.h"
#include "overlay/Visualizer.h"
#include "platform/PermissionService.h"
#include "settings/PasswordProtection.h"
#include "settings/Preferences.h"
#include "settings/PreviewKeycaps.h"
#include "settings/ui/KeyPreview.h"
#include "settings/ui/SettingsForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrel {

namespace {

const QColor allowedGreen(0x34, 0xA8, 0x53);
const QColor notAllowedOrange(0xF0, 0x8A, 0x00);

} // namespace

GeneralSection::GeneralSection(Services services, QWidget* parent) : QWidget(parent), m_services(services)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* form = new SettingsForm(this);
    layout->addWidget(form);
    const std::string name = AppInfo::current().name;

    // Section 1: showing keys.
    m_showKeys = new SwitchButton;
    m_showKeysRow = new FormRow(tr("Show Keys on Screen"), QString(), m_showKeys);
    form->addSection()->addRow(m_showKeysRow);
    connect(m_showKeys, &QAbstractButton::clicked, this, [this](bool on) {
        // The same as the tray panel's switch: the wish first, then the attempt.
        m_services.defaults.set(PreferenceKey::showKeystrokes, on);
        if (on)
            m_services.visualizer.start();
        else
            m_services.visualizer.stop();
        m_showKeys->setChecked(m_services.visualizer.isRunning);
    });
    const auto running =
        m_services.visualizer.isRunning.subscribe([this](bool isRunning) { m_showKeys->setChecked(isRunning); });
    m_unsubscribe.push_back([this, running] { m_services.visualizer.isRunning.unsubscribe(running); });
    m_showKeys->setChecked(m_services.visualizer.isRunning);

    // Section 2: input access and starting at login.
    auto* access = new QWidget;
    auto* accessLayout = new QHBoxLayout(access);
    accessLayout->setContentsMargins(0, 0, 0, 0);
    accessLayout->setSpacing(6);
    m_accessSymbol = new QLabel(access);
    m_accessText = new QLabel(access);
    showAsSecondary(*m_accessText);
    // Where the system's dialog is asked, the two ways go in a row of their own below, with what
    // each means: "Allow…" asks the dialog, the input group is the other way.
    const bool asksSystem = m_services.permission.asksSystem();
    m_choices = new QWidget;
    auto* choicesLayout = new QVBoxLayout(m_choices);
    choicesLayout->setContentsMargins(10, 0, 10, 10);
    auto* choicesText = new QLabel(translated(InputMonitoringPermission::choicesText(name)), m_choices);
    choicesText->setWordWrap(true);
    showAsSecondary(*choicesText);
    choicesLayout->addWidget(choicesText);
    auto* choiceButtons = new QHBoxLayout;
    choiceButtons->addStretch(1);
    choicesLayout->addLayout(choiceButtons);
    m_openSystemSettings = asksSystem ? new QPushButton(translated(InputMonitoringPermission::allowTitle), m_choices)
                                      : new QPushButton(tr("Open System Settings"), access);
    m_otherWay = new QPushButton(translated(InputMonitoringPermission::otherWayTitle), m_choices);
    choiceButtons->addWidget(m_otherWay);
    accessLayout->addWidget(m_accessSymbol);
    accessLayout->addWidget(m_accessText);
    if (asksSystem) {
        choiceButtons->addWidget(m_openSystemSettings);
    } else {
        accessLayout->addSpacing(6);
        accessLayout->addWidget(m_openSystemSettings);
    }
    connect(m_openSystemSettings, &QPushButton::clicked, this, [this, asksSystem] {
        if (asksSystem)
            InputMonitoringPermission::request(m_services.defaults, m_services.permission);
        else
            m_services.permission.openSystemSettings();
    });
    connect(m_otherWay, &QPushButton::clicked, this, [this] { m_services.permission.openSystemSettings(); });
    const auto request = m_services.permission.accessRequest.subscribe([this](AccessRequest) { refresh(); });
    m_unsubscribe.push_back([this, request] { m_services.permission.accessRequest.unsubscribe(request); });
    m_openAtLogin = new SwitchButton;
    FormSection* system = form->addSection();
    m_accessRow = new FormRow(tr("Input Monitoring"), QString(), access);
    system->addRow(m_accessRow);
    system->addRow(m_choices);
    system->addRow(new FormRow(tr("Open at Login"), tr("Start %1 when you log in").arg(qt(name)), m_openAtLogin));
    connect(m_openAtLogin, &QAbstractButton::clicked, this, [this](bool on) {
        setOpenAtLogin(m_services.loginItem, m_services.log, on);
        m_openAtLogin->setChecked(m_services.loginItem.isEnabled()); // a refusal snaps back
    });

    // Section 3: what is shown.
    m_preview = new KeyPreview(m_services.painter, m_services.defaults, {}, 218, 44);
    m_show = new QComboBox;
    for (const DisplayMode mode : allCases<DisplayMode>())
        m_show->addItem(translated(title(mode)), static_cast<int>(mode));
    m_mouse = new SwitchButton;
    m_shift = new SwitchButton;
    FormSection* input = form->addSection();
    auto* previewFrame = new QWidget;
    auto* previewLayout = new QVBoxLayout(previewFrame);
    previewLayout->setContentsMargins(10, 10, 10, 10);
    previewLayout->addWidget(m_preview);
    input->addRow(previewFrame);
    input->addRow(
        new FormRow(tr("Show"), tr("Special Keys Only hides regular typing. Passwords are never shown"), m_show));
    // What "Passwords are never shown" amounts to in this session.
    m_accessibility = new SwitchButton;
    m_passwordsRow = new FormRow(tr("Password Fields"), QString(), m_accessibility);
    input->addRow(m_passwordsRow);
    connect(m_accessibility, &QAbstractButton::clicked, this, [this](bool on) {
        m_services.passwordFocus.setAccessibilityEnabled(on);
        showPasswordProtection(); // as it is until the desktop says otherwise
    });
    const auto availability = m_services.passwordFocus.availability.subscribe(
        [this](PasswordFocusService::Availability) { showPasswordProtection(); });
    const auto enabled = m_services.passwordFocus.accessibilityEnabled.subscribe(
        [this](const std::optional<bool>&) { showPasswordProtection(); });
    m_unsubscribe.push_back([this, availability, enabled] {
        m_services.passwordFocus.availability.unsubscribe(availability);
        m_services.passwordFocus.accessibilityEnabled.unsubscribe(enabled);
    });
    input->addRow(new FormRow(tr("Mouse"), tr("Show clicks and scrolling"), m_mouse));
    input->addRow(new FormRow(tr("Show ⇧ for Capital Letters"), tr("Shows ⇧ H instead of H"), m_shift));
    connect(m_show, &QComboBox::activated, this, [this](int index) {
        const auto mode = static_cast<DisplayMode>(m_show->itemData(index).toInt());
        m_services.defaults.set(PreferenceKey::displayMode, std::string(rawValue(mode)));
        showDisplayMode();
    });
    connect(m_mouse, &QAbstractButton::clicked, this,
            [this](bool on) { m_services.defaults.set(PreferenceKey::showClicksAndScrolling, on); });
    connect(m_shift, &QAbstractButton::clicked, this,
            [this](bool on) { m_services.defaults.set(PreferenceKey::showShiftWithCapitals, on); });
    // Stored values of the wrong type show as the default and stay as they are until changed.
    m_mouse->setChecked(Preferences::showClicksAndScrolling(m_services.defaults));
    m_shift->setChecked(Preferences::showShiftWithCapitals(m_services.defaults));
    showDisplayMode();
    refresh();
}

GeneralSection::~GeneralSection()
{
    for (const auto& unsubscribe : m_unsubscribe)
        unsubscribe();
}

void GeneralSection::showDisplayMode()
{
    const DisplayMode mode = Preferences::displayMode(m_services.defaults);
    m_show->setCurrentIndex(m_show->findData(static_cast<int>(mode)));
    const bool allKeys = mode == DisplayMode::allKeys;
    m_shift->setEnabled(allKeys); // its stored value is kept while it does not apply
    m_preview->setKeycaps(previewKeycaps({Modifier::control, Modifier::shift, Modifier::command},
                                         allKeys ? std::optional<std::string>("A") : std::nullopt));
}

void GeneralSection::refresh()
{
    // The hot key as the chosen key labels write it.
    m_showKeysRow->setSubtitle(
        translated(showKeysHint(Preferences::keyLabelStyle(m_services.defaults), m_services.session)));
    m_openAtLogin->setChecked(m_services.loginItem.isEnabled());
    m_services.passwordFocus.readAccessibilityEnabled();
    showPasswordProtection();
    const bool granted = m_services.permission.isInputMonitoringGranted();
    const QImage symbol =
        granted ? Symbols::image(QStringLiteral("checkmark.circle"), 16, devicePixelRatioF(), allowedGreen)
                : Symbols::image(QStringLiteral("exclamationmark.circle"), 16, devicePixelRatioF(), notAllowedOrange);
    m_accessSymbol->setPixmap(QPixmap::fromImage(symbol));
    m_accessText->setText(granted ? tr("Allowed") : tr("Not Allowed"));
    m_openSystemSettings->setVisible(!granted);
    m_showKeys->setEnabled(granted);
    const bool asksSystem = m_services.permission.asksSystem();
    const AccessRequest request = m_services.permission.accessRequest;
    m_choices->setVisible(asksSystem && !granted);
    m_openSystemSettings->setEnabled(request != AccessRequest::asking);
    // What came of asking, else what access is for.
    const UiText said = InputMonitoringPermission::requestText(request);
    m_accessRow->setSubtitle(said.english().empty() ? tr("Required to show the keys you press") : translated(said));
}

void GeneralSection::showPasswordProtection()
{
    const PasswordProtection protection =
        passwordProtection(m_services.passwordFocus.availability.get(),
                           m_services.passwordFocus.accessibilityEnabled.get(), m_services.session.promptGuard);
    m_passwordsRow->setSubtitle(translated(protection.description));
    m_accessibility->setVisible(protection.offersAccessibilitySwitch);
    m_accessibility->setChecked(m_services.passwordFocus.accessibilityEnabled.get().value_or(false));
    m_accessibility->setAccessibleName(tr("Accessibility for the whole desktop"));
}

QString GeneralSection::passwordsText() const
{
    return m_accessibility->accessibleDescription();
}

QString GeneralSection::showKeysSubtitle() const
{
    return m_showKeys->accessibleDescription();
}

QString GeneralSection::accessSubtitle() const
{
    return m_accessRow->subtitle();
}

QString GeneralSection::accessText() const
{
    return m_accessText->text();
}

} // namespace kestrel
