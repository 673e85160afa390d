#include "app/ui/UpdateWindow.h"

#include "app/AppInfo.h"
#include "app/AppUpdater.h"
#include "common/ui/QtText.h"
#include "common/ui/Translated.h"
#include "platform/Workspace.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTextDocumentFragment>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace kestrel {

// The window itself; closing it tells the update service.
class UpdateWindow::Window final : public QWidget {
public:
    static constexpr int minimumWidth = 460;

    explicit Window(std::function<void()> closed) : m_closed(std::move(closed))
    {
        setWindowTitle(UpdateWindow::tr("Software Update"));
        setMinimumWidth(minimumWidth);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(20, 20, 20, 20);
        layout->setSpacing(10);
        heading = new QLabel(this);
        QFont font = heading->font();
        font.setPixelSize(15);
        font.setWeight(QFont::DemiBold);
        heading->setFont(font);
        heading->setWordWrap(true);
        body = new QLabel(this);
        body->setWordWrap(true);
        body->setTextFormat(Qt::PlainText);
        notes = new QPlainTextEdit(this);
        notes->setReadOnly(true);
        notes->setMinimumHeight(160);
        notes->setAccessibleName(UpdateWindow::tr("Release Notes"));
        progress = new QProgressBar(this);
        layout->addWidget(heading);
        layout->addWidget(body);
        layout->addWidget(notes, 1);
        layout->addWidget(progress);
        auto* buttons = new QHBoxLayout;
        releaseNotes = new QPushButton(UpdateWindow::tr("Release Notes…"), this);
        skip = new QPushButton(UpdateWindow::tr("Skip This Version"), this);
        later = new QPushButton(UpdateWindow::tr("Remind Me Later"), this);
        install = new QPushButton(UpdateWindow::tr("Install"), this);
        okButton = new QPushButton(UpdateWindow::tr("OK"), this);
        buttons->addWidget(releaseNotes);
        buttons->addWidget(skip);
        buttons->addStretch(1);
        buttons->addWidget(later);
        buttons->addWidget(install);
        buttons->addWidget(okButton);
        layout->addLayout(buttons);
        QObject::connect(okButton, &QPushButton::clicked, this, &QWidget::close);
    }

    QLabel* heading;
    QLabel* body;
    QPlainTextEdit* notes;
    QProgressBar* progress;
    QPushButton* releaseNotes;
    QPushButton* skip;
    QPushButton* later;
    QPushButton* install;
    QPushButton* okButton;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->accept();
        m_closed();
    }

private:
    std::function<void()> m_closed;
};

UpdateWindow::UpdateWindow(AppUpdater& updater, Workspace& workspace) : m_updater(updater), m_workspace(workspace) {}

UpdateWindow::~UpdateWindow() = default;

QWidget* UpdateWindow::window() const
{
    return m_window.get();
}

QString UpdateWindow::heading() const
{
    return m_window ? m_window->heading->text() : QString();
}

QString UpdateWindow::body() const
{
    return m_window ? m_window->body->text() : QString();
}

void UpdateWindow::present(const QString& heading, const QString& body, Buttons buttons)
{
    if (!m_window) {
        m_window = std::make_unique<Window>([this] {
            m_choose = nullptr;
            m_updater.userDriverDidClose();
        });
        QObject::connect(m_window->install, &QPushButton::clicked, [this] { answer(UpdateChoice::install); });
        QObject::connect(m_window->later, &QPushButton::clicked, [this] {
            answer(UpdateChoice::remindLater);
            m_window->close();
        });
        QObject::connect(m_window->skip, &QPushButton::clicked, [this] {
            answer(UpdateChoice::skip);
            m_window->close();
        });
        QObject::connect(m_window->releaseNotes, &QPushButton::clicked,
                         [this] { m_workspace.openURL(m_releaseNotesURL); });
    }
    Window& window = *m_window;
    window.heading->setText(heading);
    window.body->setText(body);
    const bool choice = buttons == Buttons::choice;
    window.notes->setVisible(choice);
    window.releaseNotes->setVisible(choice && !m_releaseNotesURL.empty());
    window.skip->setVisible(choice);
    window.later->setVisible(choice);
    window.install->setVisible(choice);
    window.okButton->setVisible(buttons == Buttons::close);
    window.progress->setVisible(false);
    if (choice)
        window.install->setDefault(true);
    // Wide enough for the buttons on show, whatever the language makes of their titles.
    window.layout()->activate();
    window.setMinimumWidth(std::max(Window::minimumWidth, window.layout()->minimumSize().width()));
    window.adjustSize();
    if (!window.isVisible()) {
        // Centred on the screen with the pointer, where the user is looking.
        const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen) {
            QRect frame(QPoint(), window.size());
            frame.moveCenter(screen->availableGeometry().center());
            window.move(frame.topLeft());
        }
    }
    window.show();
    window.raise();
    window.activateWindow();
}

void UpdateWindow::answer(UpdateChoice choice)
{
    if (auto choose = std::exchange(m_choose, nullptr))
        choose(choice);
}

void UpdateWindow::showChecking()
{
    present(tr("Checking for updates…"), QString(), Buttons::none);
    m_window->progress->setRange(0, 0); // busy, no measure
    m_window->progress->setVisible(true);
}

void UpdateWindow::showUpToDate(const std::string& currentVersion)
{
    present(tr("You’re up to date!"),
            tr("%1 %2 is the newest version available.").arg(qt(AppInfo::current().name), qt(currentVersion)),
            Buttons::close);
}

void UpdateWindow::showError(const UiMessage& message)
{
    present(tr("Update Error"), translated(message), Buttons::close);
}

void UpdateWindow::showUpdate(const AppcastItem& update, std::function<void(UpdateChoice)> choose)
{
    m_choose = std::move(choose);
    // Only web addresses open from the feed; anything else is not followed.
    const QUrl notesLink(qt(update.releaseNotesURL));
    m_releaseNotesURL = notesLink.scheme() == QLatin1String("https") ? update.releaseNotesURL : std::string();
    const std::string& name = AppInfo::current().name;
    present(tr("A new version of %1 is available!").arg(qt(name)),
            tr("%1 %2 is available. Would you like to install it now?").arg(qt(name), qt(update.shortVersion)),
            Buttons::choice);
    // The notes are shown as text: markup is read for its words only.
    m_window->notes->setPlainText(QTextDocumentFragment::fromHtml(qt(update.description)).toPlainText());
    m_window->notes->setVisible(!update.description.empty());
}

void UpdateWindow::showDownloading(std::uint64_t received, std::uint64_t total)
{
    const QString downloading = tr("Downloading the update…");
    if (!m_window || m_window->heading->text() != downloading)
        present(downloading, QString(), Buttons::none);
    m_window->progress->setVisible(true);
    m_window->progress->setRange(0, 1000);
    m_window->progress->setValue(total ? static_cast<int>(received * 1000 / total) : 0);
}

void UpdateWindow::showInstalled(const UiMessage& message)
{
    present(tr("Installing the update"), translated(message), Buttons::close);
}

} // namespace kestrel
