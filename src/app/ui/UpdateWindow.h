#pragma once

#include "app/UpdateUserDriver.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace kestrel {

class AppUpdater;
class Workspace;

// The window in which a user-initiated update check shows its progress and its result: the
// offered version with its release notes (as plain text: nothing from the feed runs), and
// Install, Remind Me Later and Skip This Version. It is built the first time it is needed.
class UpdateWindow final : public UpdateUserDriver {
    Q_DECLARE_TR_FUNCTIONS(UpdateWindow)

public:
    UpdateWindow(AppUpdater& updater, Workspace& workspace);
    ~UpdateWindow() override;

    void showChecking() override;
    void showUpToDate(const std::string& currentVersion) override;
    void showError(const UiMessage& message) override;
    void showUpdate(const AppcastItem& update, std::function<void(UpdateChoice)> choose) override;
    void showDownloading(std::uint64_t received, std::uint64_t total) override;
    void showInstalled(const UiMessage& message) override;

    // Nothing until first shown.
    QWidget* window() const;
    QString heading() const;
    QString body() const;

private:
    class Window;
    enum class Buttons { close, choice, none };
    void present(const QString& heading, const QString& body, Buttons buttons);
    void answer(UpdateChoice choice);

    AppUpdater& m_updater;
    Workspace& m_workspace;
    std::unique_ptr<Window> m_window;
    std::function<void(UpdateChoice)> m_choose;
    std::string m_releaseNotesURL;
};

} // namespace kestrel
