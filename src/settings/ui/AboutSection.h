#pragma once

#include <QCoreApplication>
#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;

namespace kestrel {

class AppUpdater;
class SwitchButton;
class Workspace;

// The About section: Kestrel's name and version, the update controls of the update service
// (live: "Check for Updates…" is disabled while a check cannot start), and the links to
// support, the web site, the privacy page and the acknowledgements. A link the build does
// not name is not shown. The footer's year follows the clock.
class AboutSection final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(AboutSection)

public:
    AboutSection(AppUpdater& updater, Workspace& workspace, QWidget* parent = nullptr);
    ~AboutSection() override;

    QPushButton& checkButton() const { return *m_check; }
    SwitchButton& automaticSwitch() const { return *m_automatic; }
    QString footer() const;
    // The footer's year again, as the clock says now.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppUpdater& m_updater;
    QPushButton* m_check = nullptr;
    SwitchButton* m_automatic = nullptr;
    QLabel* m_footer = nullptr;
    std::vector<std::function<void()>> m_unsubscribe;
};

} // namespace kestrel
