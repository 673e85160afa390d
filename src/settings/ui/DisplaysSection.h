#pragma once

#include <QCoreApplication>
#include <QWidget>

class QComboBox;
class QLabel;

namespace kestrel {

class DefaultsStore;
class PositionPicker;
class ScreenService;

// The Displays section: which screen shows the keys ("Screen with Pointer" or a connected
// display, kept while it is unplugged) and where on it, by the miniature screen or the list.
// The display list follows screens as they come and go.
class DisplaysSection final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(DisplaysSection)

public:
    DisplaysSection(DefaultsStore& defaults, const ScreenService& screens, QWidget* parent = nullptr);

    // Reads the connected screens again.
    void refreshDisplays();

    QComboBox& displayPicker() const { return *m_display; }
    QComboBox& positionPicker() const { return *m_position; }
    PositionPicker& miniature() const { return *m_miniature; }
    bool showsDisconnectedFooter() const;

private:
    void showPosition();

    DefaultsStore& m_defaults;
    const ScreenService& m_screens;
    QComboBox* m_display = nullptr;
    QLabel* m_footer = nullptr;
    PositionPicker* m_miniature = nullptr;
    QComboBox* m_position = nullptr;
};

} // namespace kestrel
