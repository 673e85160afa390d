#pragma once

#include "settings/SessionFacts.h"

#include <QCoreApplication>
#include <QWidget>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace kestrel {

class DefaultsStore;
class FormRow;
class KeyPreview;
class KeycapPainter;
class LoginItemService;
class PasswordFocusService;
class PermissionService;
class SwitchButton;
class SystemLog;
class Visualizer;

// The General section: showing keys on and off (live with the hot key and the tray panel),
// whether Kestrel may listen, starting at login, and which input is shown. Each control
// writes its preference the moment it changes. Access and the login item are read again
// whenever the window becomes active, with no timer.
class GeneralSection final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(GeneralSection)

public:
    struct Services {
        Visualizer& visualizer;
        DefaultsStore& defaults;
        PermissionService& permission;
        LoginItemService& loginItem;
        SystemLog& log;
        KeycapPainter& painter;
        PasswordFocusService& passwordFocus;
        SessionFacts session;
    };

    explicit GeneralSection(Services services, QWidget* parent = nullptr);
    ~GeneralSection() override;

    // Reads input access, the login item and the key labels again (the window was activated,
    // or the labels were changed in Appearance).
    void refresh();

    SwitchButton& showKeysSwitch() const { return *m_showKeys; }
    SwitchButton& openAtLoginSwitch() const { return *m_openAtLogin; }
    SwitchButton& mouseSwitch() const { return *m_mouse; }
    SwitchButton& shiftSwitch() const { return *m_shift; }
    QComboBox& showPicker() const { return *m_show; }
    KeyPreview& preview() const { return *m_preview; }
    QString accessText() const;
    QString showKeysSubtitle() const;
    QPushButton& openSystemSettingsButton() const { return *m_openSystemSettings; }
    // Where the system's dialog is asked: "Allow…" is the button above, this the other way;
    // both sit under the words that say what each means.
    QPushButton& otherWayButton() const { return *m_otherWay; }
    QString accessSubtitle() const;
    // What is protected from being shown in this session, and the accessibility switch.
    QString passwordsText() const;
    SwitchButton& accessibilitySwitch() const { return *m_accessibility; }

private:
    void showDisplayMode();
    void showPasswordProtection();

    Services m_services;
    SwitchButton* m_showKeys = nullptr;
    FormRow* m_showKeysRow = nullptr;
    QLabel* m_accessSymbol = nullptr;
    QLabel* m_accessText = nullptr;
    QPushButton* m_openSystemSettings = nullptr;
    QPushButton* m_otherWay = nullptr;
    QWidget* m_choices = nullptr; // the two ways, where the system's dialog is asked
    FormRow* m_accessRow = nullptr;
    SwitchButton* m_openAtLogin = nullptr;
    KeyPreview* m_preview = nullptr;
    QComboBox* m_show = nullptr;
    SwitchButton* m_mouse = nullptr;
    SwitchButton* m_shift = nullptr;
    FormRow* m_passwordsRow = nullptr;
    SwitchButton* m_accessibility = nullptr;
    std::vector<std::function<void()>> m_unsubscribe;
};

} // namespace kestrel
