#pragma once

#include "app/OnboardingFlow.h"
#include "app/WindowActivation.h"

#include <QCoreApplication>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QVariantAnimation;

namespace kestrel {

class DefaultsStore;
class KeyPreview;
class KeycapPainter;
class LoginItemService;
class OnboardingStepIndicator;
class SystemLog;

// The welcome window of a first launch: a picture, a title and a few words per page, the
// step indicator, and "Back" with the page's primary button, which Return presses. The last
// page shows the hot key and "Open at Login". Closing it by its close button counts as done,
// as "Get Started" does; it is not shown again in this run.
class OnboardingWindow final : public QWidget, public ShellWindow {
    Q_DECLARE_TR_FUNCTIONS(OnboardingWindow)

public:
    static constexpr int contentWidth = 480;

    struct Services {
        OnboardingFlow::Services flow;
        WindowActivation& activation;
        LoginItemService& loginItem;
        SystemLog& log;
        KeycapPainter& painter;
        std::function<void()> relaunch;
    };

    explicit OnboardingWindow(Services services);
    ~OnboardingWindow() override;

    void bringToFront() override;
    // Called once the window has closed, by either way.
    void setOnClosed(std::function<void()> closed) { m_closed = std::move(closed); }

    OnboardingFlow& flow() { return *m_flow; }
    QPushButton& backButton() { return *m_back; }
    QPushButton& primaryButton() { return *m_primary; }
    // Where the system's dialog is asked: the input group, the other way.
    QPushButton& otherWayButton() { return *m_otherWay; }
    // What came of the last request, in words.
    QString requestText() const;
    QCheckBox& openAtLoginBox() { return *m_openAtLogin; }
    QString titleText() const;
    QString bodyText() const;
    // The page's picture: its artwork, or on the last page the hot key's preview.
    QWidget& picture() const;
    KeyPreview& hotKeyPreview() { return *m_hotKey; }
    const OnboardingStepIndicator& stepIndicator() const { return *m_indicator; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showPage();

    Services m_services;
    std::unique_ptr<OnboardingFlow> m_flow;
    bool m_finished = false;
    std::function<void()> m_closed;
    QStackedWidget* m_pictures = nullptr;
    KeyPreview* m_hotKey = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_body = nullptr;
    QWidget* m_finishBody = nullptr;
    QLabel* m_hint = nullptr;
    QCheckBox* m_openAtLogin = nullptr;
    OnboardingStepIndicator* m_indicator = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_primary = nullptr;
    QLabel* m_choices = nullptr;
    QLabel* m_request = nullptr;
    QPushButton* m_otherWay = nullptr;
    std::vector<std::function<void()>> m_unsubscribe;
};

// One capsule per step, the current one long and in the accent colour; a change of step
// stretches one and shrinks the other over a fifth of a second. Screen readers hear it as one
// element, "Step n of m".
class OnboardingStepIndicator final : public QWidget {
public:
    static constexpr int animationMilliseconds = 200;

    explicit OnboardingStepIndicator(int count, QWidget* parent = nullptr);

    void setCurrent(int index, const QString& description);
    int current() const { return m_current; }
    int count() const { return m_count; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_count;
    int m_current = 0;
    int m_previous = 0;
    double m_progress = 1; // of the change from the previous step to the current one
    QVariantAnimation* m_change = nullptr;
};

// Owns the welcome window of a launch that needs it, while it is open: a closed welcome
// window is never shown again, so it is let go and its pictures with it.
class OnboardingWindowController {
public:
    explicit OnboardingWindowController(OnboardingWindow::Services services);
    ~OnboardingWindowController();

    // Builds the window, centred on the screen with the pointer, and brings it to the front.
    void show();
    // Nothing before `show` and from the main loop's next turn after the window closed.
    OnboardingWindow* window() const { return m_window.get(); }

private:
    OnboardingWindow::Services m_services;
    std::unique_ptr<OnboardingWindow> m_window;
    std::optional<Scheduler::Handle> m_release;
};

} // namespace kestrel
