#include "platform/qt/QtScreenService.h"

#include "common/ScreenCoordinates.h"

#include <QCryptographicHash>
#include <QCursor>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>

namespace kestrel {

namespace {

// Kestrel's namespace for display identities (a random version 4 UUID, fixed forever).
constexpr unsigned char identityNamespace[16] = {0x6b, 0x1e, 0x39, 0xa4, 0x52, 0xd0, 0x4f, 0x3c,
                                                 0x9a, 0x61, 0x0d, 0x7e, 0x2b, 0x88, 0xc5, 0x17};

// A rectangle of Qt's, as a Rect in Qt's coordinates.
Rect qtRect(const QRect& rect)
{
    return {{static_cast<double>(rect.x()), static_cast<double>(rect.y())},
            {static_cast<double>(rect.width()), static_cast<double>(rect.height())}};
}

ScreenCoordinates coordinates()
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    return ScreenCoordinates(primary ? qtRect(primary->geometry()) : Rect());
}

} // namespace

std::string QtScreenService::displayIdentity(const QString& manufacturer, const QString& model, const QString& serial,
                                             const QString& name)
{
    const bool hasEdid = !manufacturer.isEmpty() || !model.isEmpty() || !serial.isEmpty();
    const QByteArray key = hasEdid ? (manufacturer + '\n' + model + '\n' + serial).toUtf8() : name.toUtf8();
    QCryptographicHash sha1(QCryptographicHash::Sha1);
    sha1.addData(QByteArrayView(reinterpret_cast<const char*>(identityNamespace), sizeof identityNamespace));
    sha1.addData(key);
    QByteArray uuid = sha1.result().left(16);
    uuid[6] = static_cast<char>((uuid[6] & 0x0f) | 0x50); // version 5
    uuid[8] = static_cast<char>((uuid[8] & 0x3f) | 0x80); // RFC 4122 variant
    const QByteArray hex = uuid.toHex().toUpper();
    return (hex.mid(0, 8) + '-' + hex.mid(8, 4) + '-' + hex.mid(12, 4) + '-' + hex.mid(16, 4) + '-' + hex.mid(20))
        .toStdString();
}

Screen QtScreenService::describe(const QScreen& screen)
{
    // Hashing the identity costs more than the rest of a key press: remember it per output.
    static QHash<QString, std::string> identities;
    const QString output =
        screen.name() + '\n' + screen.manufacturer() + '\n' + screen.model() + '\n' + screen.serialNumber();
    auto identity = identities.find(output);
    if (identity == identities.end())
        identity = identities.insert(
            output, displayIdentity(screen.manufacturer(), screen.model(), screen.serialNumber(), screen.name()));
    const ScreenCoordinates convert = coordinates();
    // The name people know the screen by: its model when it reports one, else its output.
    const QString model =
        screen.model().isEmpty() ? QString() : (screen.manufacturer() + ' ' + screen.model()).trimmed();
    return Screen{*identity, convert.toKestrel(qtRect(screen.geometry())),
                  convert.toKestrel(qtRect(screen.availableGeometry())),
                  (model.isEmpty() ? screen.name() : model).toStdString()};
}

QtScreenService::QtScreenService() : m_watcher(std::make_unique<QObject>())
{
    auto* application = qGuiApp;
    if (!application)
        return;
    QObject::connect(application, &QGuiApplication::screenAdded, m_watcher.get(), [this](QScreen* screen) {
        forget();
        watch(screen);
    });
    QObject::connect(application, &QGuiApplication::screenRemoved, m_watcher.get(), [this] { forget(); });
    QObject::connect(application, &QGuiApplication::primaryScreenChanged, m_watcher.get(), [this] { forget(); });
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
}

QtScreenService::~QtScreenService() = default;

void QtScreenService::watch(QScreen* screen)
{
    QObject::connect(screen, &QScreen::geometryChanged, m_watcher.get(), [this] { forget(); });
    QObject::connect(screen, &QScreen::availableGeometryChanged, m_watcher.get(), [this] { forget(); });
}

void QtScreenService::forget() const
{
    m_described.reset();
}

const QtScreenService::Described& QtScreenService::described() const
{
    // Without an application nothing says when the screens change: look every time.
    if (m_described && qGuiApp)
        return *m_described;
    Described fresh;
    for (const QScreen* screen : QGuiApplication::screens())
        fresh.screens.push_back(describe(*screen));
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        fresh.main = describe(*primary);
    return m_described.emplace(std::move(fresh));
}

std::vector<Screen> QtScreenService::screens() const
{
    return described().screens;
}

std::optional<Screen> QtScreenService::mainScreen() const
{
    return described().main;
}

Point QtScreenService::pointerLocation() const
{
    const QPoint pointer = QCursor::pos();
    return coordinates().toKestrel(Point{static_cast<double>(pointer.x()), static_cast<double>(pointer.y())});
}

} // namespace kestrel
