#include "settings/ui/DisplaysSection.h"

#include "common/ui/QtText.h"
#include "common/ui/Translated.h"
#include "platform/DefaultsStore.h"
#include "platform/ScreenService.h"
#include "settings/DisplayChooser.h"
#include "settings/Preferences.h"
#include "settings/ui/PositionPicker.h"
#include "settings/ui/SettingsForm.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace kestrel {

DisplaysSection::DisplaysSection(DefaultsStore& defaults, const ScreenService& screens, QWidget* parent)
    : QWidget(parent), m_defaults(defaults), m_screens(screens)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* form = new SettingsForm(this);
    layout->addWidget(form);

    m_display = new QComboBox;
    form->addSection()->addRow(new FormRow(tr("Show On"), tr("Choose which screen shows your keys"), m_display));
    m_footer = form->addFooter(translated(DisplayChooser::disconnectedFooter));
    m_footer->setWordWrap(true);
    connect(m_display, &QComboBox::activated, this, [this](int index) {
        m_defaults.set(PreferenceKey::overlayDisplay, m_display->itemData(index).toString().toStdString());
        refreshDisplays();
    });

    FormSection* where = form->addSection();
    m_miniature = new PositionPicker(m_defaults, [this] { showPosition(); });
    auto* miniatureFrame = new QWidget;
    auto* miniatureLayout = new QVBoxLayout(miniatureFrame);
    miniatureLayout->setContentsMargins(10, 10, 10, 10);
    miniatureLayout->addWidget(m_miniature);
    where->addRow(miniatureFrame);
    m_position = new QComboBox;
    for (const auto& preset : PositionPickerGeometry::presets)
        m_position->addItem(translated(title(preset.position)), static_cast<int>(preset.position));
    m_position->insertSeparator(m_position->count());
    m_position->addItem(translated(title(OverlayPosition::custom)), static_cast<int>(OverlayPosition::custom));
    where->addRow(new FormRow(tr("Position"), tr("Click a spot, or drag the keys anywhere"), m_position));
    connect(m_position, &QComboBox::activated, this, [this](int index) {
        const auto position = static_cast<OverlayPosition>(m_position->itemData(index).toInt());
        m_defaults.set(PreferenceKey::overlayPosition, std::string(rawValue(position)));
        m_miniature->refresh();
    });

    // Screens come and go (XRandR): the list follows while the window exists.
    const auto screensChanged = [this] { refreshDisplays(); };
    connect(qGuiApp, &QGuiApplication::screenAdded, this, screensChanged);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, screensChanged);
    refreshDisplays();
    showPosition();
}

void DisplaysSection::refreshDisplays()
{
    const auto chooser =
        DisplayChooser::build(connectedDisplays(m_screens.screens()), Preferences::overlayDisplay(m_defaults));
    const QSignalBlocker quiet(m_display);
    m_display->clear();
    for (const auto& item : chooser.items) {
        if (item.isDivider)
            m_display->insertSeparator(m_display->count());
        else
            m_display->addItem(item.name.empty() ? translated(item.title) : qt(item.name), qt(item.value));
    }
    m_display->setCurrentIndex(m_display->findData(QString::fromStdString(chooser.selectedValue)));
    m_display->setEnabled(chooser.isEnabled);
    m_footer->setVisible(chooser.isDisconnected);
}

bool DisplaysSection::showsDisconnectedFooter() const
{
    return m_footer->isVisibleTo(const_cast<DisplaysSection*>(this));
}

void DisplaysSection::showPosition()
{
    const QSignalBlocker quiet(m_position);
    m_position->setCurrentIndex(m_position->findData(static_cast<int>(Preferences::overlayPosition(m_defaults))));
}

} // namespace kestrel
