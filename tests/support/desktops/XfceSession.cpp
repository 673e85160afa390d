#include "support/desktops/XfceSession.h"

#include "platform/x11/XcbHeaders.h"
#include "support/EventLoop.h"
#include "support/ProgramEnvironment.h"
#include "support/desktops/DesktopUser.h"
#include "support/desktops/Screenshots.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>

#include <cstdlib>
#include <memory>

#include <unistd.h>

namespace kestrel::test {

XfceSession::XfceSession(int width, int height)
    : m_width(width), m_height(height), m_server(std::to_string(width) + "x" + std::to_string(height))
{
    static int connections = 0;
    m_busName = QStringLiteral("xfce-session-test-%1").arg(++connections);
    if (!m_server.isRunning()) {
        m_error = "no X server: " + m_server.error();
        return;
    }
    if (!m_bus.isRunning()) {
        m_error = "no session bus: " + m_bus.error();
        return;
    }
    m_connection = xcb_connect(display().c_str(), nullptr);
    if (xcb_connection_has_error(m_connection)) {
        m_error = "cannot connect to " + display();
        return;
    }
    if (!start(m_windowManager, QStringLiteral("xfwm4"), {QStringLiteral("--compositor=on")}))
        return;
    m_panel = std::make_unique<XfcePanel>(clientEnvironment());
    if (!m_panel->error().empty()) {
        m_error = m_panel->error();
        return;
    }
    // Up when the panel's tray is on the bus and the window manager composes.
    QDBusConnection session = bus();
    const bool up = runEventLoopUntil(
        [&] {
            return session.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")).value() &&
                   isCompositing();
        },
        std::chrono::seconds(20), std::chrono::milliseconds(50));
    if (!up)
        m_error = "Xfce's panel or compositor did not come up";
}

XfceSession::~XfceSession()
{
    QDBusConnection::disconnectFromBus(m_busName);
    m_panel.reset();
    endProcessGroup(m_windowManager);
    if (m_connection)
        xcb_disconnect(m_connection);
}

bool XfceSession::start(QProcess& process, const QString& program, const QStringList& arguments)
{
    QProcessEnvironment environment = clientEnvironment();
    environment.insert(QStringLiteral("HOME"), m_folder.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder.filePath(QStringLiteral("config")));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardOutputFile(m_folder.filePath(program + QStringLiteral(".log")));
    runAs(process, nullptr);
    process.start(program, arguments);
    if (!process.waitForStarted(5000)) {
        m_error = program.toStdString() + " did not start: " + process.errorString().toStdString();
        return false;
    }
    return true;
}

bool XfceSession::isCompositing()
{
    const xcb_atom_t selection = x11::internAtom(m_connection, "_NET_WM_CM_S0");
    if (selection == XCB_ATOM_NONE)
        return false;
    const x11::XcbPointer<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, selection), nullptr));
    return owner && owner->owner != XCB_NONE;
}

QProcessEnvironment XfceSession::clientEnvironment() const
{
    QProcessEnvironment environment = programEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(display()));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.address());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_clientFolder.path());
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
    environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("XFCE"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return environment;
}

QDBusConnection XfceSession::bus() const
{
    return QDBusConnection::connectToBus(m_bus.address(), m_busName);
}

QImage XfceSession::screenshot()
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    const std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
        xcb_get_image_reply(m_connection,
                            xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, 0, 0,
                                          static_cast<std::uint16_t>(m_width), static_cast<std::uint16_t>(m_height),
                                          ~0u),
                            nullptr),
        &std::free);
    if (!image)
        return {};
    const QImage shot(xcb_get_image_data(image.get()), m_width, m_height, QImage::Format_RGB32);
    return keptToLookAt(shot.copy(), "xfce");
}

} // namespace kestrel::test
