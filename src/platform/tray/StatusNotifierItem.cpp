#include "platform/tray/StatusNotifierItem.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QTimer>
#include <QtEndian>

namespace kestrel::sni {

// The protocols' structures, marshalled as their signatures say.

struct Pixmap { // (iiay): width, height, ARGB32 in network byte order
    int width = 0;
    int height = 0;
    QByteArray bytes;
};
using Pixmaps = QList<Pixmap>;

struct ToolTip { // (sa(iiay)ss): icon name, icon pixmaps, title, description
    QString iconName;
    Pixmaps pixmaps;
    QString title;
    QString description;
};

struct MenuLayout { // (ia{sv}av): an entry, its properties and its children, each in a variant
    int id = 0;
    QVariantMap properties;
    QList<MenuLayout> children;
};

struct MenuProperties { // (ia{sv})
    int id = 0;
    QVariantMap properties;
};
using MenuPropertiesList = QList<MenuProperties>;

struct MenuRemovedProperties { // (ias)
    int id = 0;
    QStringList names;
};
using MenuRemovedPropertiesList = QList<MenuRemovedProperties>;

struct MenuEvent { // (isvu): entry, event, data, time
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using MenuEvents = QList<MenuEvent>;

} // namespace kestrel::sni

Q_DECLARE_METATYPE(kestrel::sni::Pixmap)
Q_DECLARE_METATYPE(kestrel::sni::ToolTip)
Q_DECLARE_METATYPE(kestrel::sni::MenuLayout)
Q_DECLARE_METATYPE(kestrel::sni::MenuProperties)
Q_DECLARE_METATYPE(kestrel::sni::MenuRemovedProperties)
Q_DECLARE_METATYPE(kestrel::sni::MenuEvent)

namespace kestrel::sni {

QDBusArgument& operator<<(QDBusArgument& argument, const Pixmap& pixmap)
{
    argument.beginStructure();
    argument << pixmap.width << pixmap.height << pixmap.bytes;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, Pixmap& pixmap)
{
    argument.beginStructure();
    argument >> pixmap.width >> pixmap.height >> pixmap.bytes;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const ToolTip& toolTip)
{
    argument.beginStructure();
    argument << toolTip.iconName << toolTip.pixmaps << toolTip.title << toolTip.description;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ToolTip& toolTip)
{
    argument.beginStructure();
    argument >> toolTip.iconName >> toolTip.pixmaps >> toolTip.title >> toolTip.description;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const MenuLayout& layout)
{
    argument.beginStructure();
    argument << layout.id << layout.properties;
    argument.beginArray(qMetaTypeId<QDBusVariant>());
    for (const MenuLayout& child : layout.children)
        argument << QDBusVariant(QVariant::fromValue(child));
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, MenuLayout& layout)
{
    argument.beginStructure();
    argument >> layout.id >> layout.properties;
    layout.children.clear();
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        layout.children.push_back(qdbus_cast<MenuLayout>(child.variant()));
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const MenuProperties& item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, MenuProperties& item)
{
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const MenuRemovedProperties& item)
{
    argument.beginStructure();
    argument << item.id << item.names;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, MenuRemovedProperties& item)
{
    argument.beginStructure();
    argument >> item.id >> item.names;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const MenuEvent& event)
{
    argument.beginStructure();
    argument << event.id << event.eventId << event.data << event.timestamp;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, MenuEvent& event)
{
    argument.beginStructure();
    argument >> event.id >> event.eventId >> event.data >> event.timestamp;
    argument.endStructure();
    return argument;
}

namespace {

void registerTypes()
{
    static const bool registered = [] {
        qDBusRegisterMetaType<Pixmap>();
        qDBusRegisterMetaType<Pixmaps>();
        qDBusRegisterMetaType<ToolTip>();
        qDBusRegisterMetaType<MenuLayout>();
        qDBusRegisterMetaType<MenuProperties>();
        qDBusRegisterMetaType<MenuPropertiesList>();
        qDBusRegisterMetaType<MenuRemovedProperties>();
        qDBusRegisterMetaType<MenuRemovedPropertiesList>();
        qDBusRegisterMetaType<MenuEvent>();
        qDBusRegisterMetaType<MenuEvents>();
        return true;
    }();
    (void)registered;
}

Pixmaps pixmapsOf(const std::vector<IconPixels>& images)
{
    Pixmaps pixmaps;
    for (const IconPixels& image : images) {
        Pixmap pixmap{.width = image.width, .height = image.height, .bytes = {}};
        pixmap.bytes.resize(qsizetype(image.argb.size()) * 4);
        auto* out = reinterpret_cast<quint32*>(pixmap.bytes.data());
        for (const std::uint32_t word : image.argb)
            *out++ = qToBigEndian(word);
        pixmaps.push_back(std::move(pixmap));
    }
    return pixmaps;
}

// Menu labels mark a mnemonic with an underscore; a plain one is written twice.
QString menuLabel(const std::string& label)
{
    return QString::fromStdString(label).replace(QLatin1Char('_'), QStringLiteral("__"));
}

QVariantMap propertiesOf(const TrayMenuEntry& entry, const QStringList& wanted)
{
    QVariantMap properties;
    switch (entry.kind) {
    case TrayMenuEntry::Kind::separator:
        properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
        break;
    case TrayMenuEntry::Kind::toggle:
        properties.insert(QStringLiteral("toggle-type"), QStringLiteral("checkmark"));
        properties.insert(QStringLiteral("toggle-state"), entry.isChecked ? 1 : 0);
        [[fallthrough]];
    case TrayMenuEntry::Kind::command:
        properties.insert(QStringLiteral("label"), menuLabel(entry.label));
        properties.insert(QStringLiteral("enabled"), entry.isEnabled);
        break;
    }
    if (wanted.isEmpty())
        return properties;
    QVariantMap chosen;
    for (const QString& name : wanted) {
        if (properties.contains(name))
            chosen.insert(name, properties.value(name));
    }
    return chosen;
}

constexpr int rootId = 0;

} // namespace

} // namespace kestrel::sni

namespace kestrel {

// org.kde.StatusNotifierItem on /StatusNotifierItem.
class StatusNotifierItemAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconThemePath READ empty)
    Q_PROPERTY(QString IconName READ empty)
    Q_PROPERTY(QList<kestrel::sni::Pixmap> IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ empty)
    Q_PROPERTY(QList<kestrel::sni::Pixmap> OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ empty)
    Q_PROPERTY(QList<kestrel::sni::Pixmap> AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ empty)
    Q_PROPERTY(kestrel::sni::ToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)

public:
    StatusNotifierItemAdaptor(StatusNotifierItem& item) : QDBusAbstractAdaptor(&item), m_item(item) {}

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return m_item.m_id; }
    QString title() const { return m_item.m_title; }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString empty() const { return {}; }
    sni::Pixmaps iconPixmap() const { return sni::pixmapsOf(m_item.m_icon); }
    sni::Pixmaps noPixmaps() const { return {}; }
    sni::ToolTip toolTip() const
    {
        return {.iconName = {}, .pixmaps = {}, .title = m_item.m_toolTip, .description = {}};
    }
    bool itemIsMenu() const { return false; } // a click opens the panel; the menu is for right clicks
    QDBusObjectPath menu() const { return QDBusObjectPath(QStringLiteral("/MenuBar")); }

public slots:
    void Activate(int x, int y) { later(m_item.m_handlers.activate, x, y); }
    void SecondaryActivate(int, int) { later(m_item.m_handlers.secondaryActivate); }
    void ContextMenu(int x, int y) { later(m_item.m_handlers.activate, x, y); } // hosts without menus
    void Scroll(int, const QString&) {}

signals:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString& status);

private:
    // After the answer: the host may wait for it while Kestrel opens a window.
    template <typename Handler, typename... Arguments>
    void later(const Handler& handler, Arguments... arguments)
    {
        if (handler)
            QTimer::singleShot(0, &m_item, [handler, arguments...] { handler(arguments...); });
    }

    StatusNotifierItem& m_item;
};

// com.canonical.dbusmenu on /MenuBar: the entries, flat under the root.
class DBusMenuAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    DBusMenuAdaptor(QObject& object, StatusNotifierItem& item) : QDBusAbstractAdaptor(&object), m_item(item) {}

    uint version() const { return 3; }
    // The menu reads as Kestrel's texts do: right to left in such a language.
    QString textDirection() const
    {
        return QGuiApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr");
    }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames, kestrel::sni::MenuLayout& layout)
    {
        layout = {};
        layout.id = parentId;
        if (parentId == sni::rootId) {
            layout.properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
            if (recursionDepth != 0) {
                for (const TrayMenuEntry& entry : m_item.m_menu)
                    layout.children.push_back({entry.id, sni::propertiesOf(entry, propertyNames), {}});
            }
        } else if (const TrayMenuEntry* entry = find(parentId)) {
            layout.properties = sni::propertiesOf(*entry, propertyNames);
        }
        return m_item.m_menuRevision;
    }

    QList<kestrel::sni::MenuProperties> GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames)
    {
        sni::MenuPropertiesList result;
        for (const TrayMenuEntry& entry : m_item.m_menu) {
            if (ids.isEmpty() || ids.contains(entry.id))
                result.push_back({entry.id, sni::propertiesOf(entry, propertyNames)});
        }
        return result;
    }

    QDBusVariant GetProperty(int id, const QString& name)
    {
        const TrayMenuEntry* entry = find(id);
        return QDBusVariant(entry ? sni::propertiesOf(*entry, {}).value(name) : QVariant(QString()));
    }

    void Event(int id, const QString& eventId, const QDBusVariant&, uint)
    {
        if (eventId != QStringLiteral("clicked") || !find(id) || !m_item.m_handlers.menuEntryClicked)
            return;
        // After the answer, and after the host closed its menu.
        QTimer::singleShot(0, &m_item, [handler = m_item.m_handlers.menuEntryClicked, id] { handler(id); });
    }

    QList<int> EventGroup(const QList<kestrel::sni::MenuEvent>& events)
    {
        QList<int> unknown;
        for (const sni::MenuEvent& event : events) {
            if (find(event.id))
                Event(event.id, event.eventId, event.data, event.timestamp);
            else
                unknown.push_back(event.id);
        }
        return unknown;
    }

    bool AboutToShow(int id)
    {
        if (id != sni::rootId || !m_item.m_handlers.menuAboutToShow)
            return false;
        const unsigned before = m_item.m_menuRevision;
        m_item.m_handlers.menuAboutToShow();
        return m_item.m_menuRevision != before;
    }

    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors)
    {
        QList<int> updated;
        idErrors.clear();
        for (const int id : ids) {
            if (id != sni::rootId && !find(id))
                idErrors.push_back(id);
            else if (AboutToShow(id))
                updated.push_back(id);
        }
        return updated;
    }

signals:
    void ItemsPropertiesUpdated(const QList<kestrel::sni::MenuProperties>& updated,
                                const QList<kestrel::sni::MenuRemovedProperties>& removed);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

private:
    const TrayMenuEntry* find(int id) const
    {
        for (const TrayMenuEntry& entry : m_item.m_menu) {
            if (entry.id == id)
                return &entry;
        }
        return nullptr;
    }

    StatusNotifierItem& m_item;
};

StatusNotifierItem::StatusNotifierItem(SessionBus& bus, QString id, QString title, Handlers handlers)
    : m_bus(bus.connection()),
      m_serviceName(QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid())),
      m_id(std::move(id)),
      m_title(std::move(title)),
      m_toolTip(m_title),
      m_handlers(std::move(handlers))
{
    sni::registerTypes();
    m_itemAdaptor = new StatusNotifierItemAdaptor(*this);
    m_menuObject = new QObject(this);
    m_menuAdaptor = new DBusMenuAdaptor(*m_menuObject, *this);
    // A bus that restarts has none of the item: it is exported again on the new one, and
    // registered when a host's watcher runs there.
    connect(&bus, &SessionBus::lost, this, [this] {
        delete std::exchange(m_watcher, nullptr);
        setRegistered(false);
    });
    connect(&bus, &SessionBus::connected, this, [this, &bus] { exportOn(bus.connection()); });
    if (bus.isConnected())
        m_watcherAtStart = exportOn(bus.connection());
}

StatusNotifierItem::~StatusNotifierItem()
{
    if (!m_bus.isConnected())
        return;
    m_bus.unregisterService(m_serviceName);
    m_bus.unregisterObject(QStringLiteral("/MenuBar"));
    m_bus.unregisterObject(QStringLiteral("/StatusNotifierItem"));
}

bool StatusNotifierItem::exportOn(const QDBusConnection& bus)
{
    m_bus = bus;
    m_bus.registerObject(QStringLiteral("/StatusNotifierItem"), this, QDBusConnection::ExportAdaptors);
    m_bus.registerObject(QStringLiteral("/MenuBar"), m_menuObject, QDBusConnection::ExportAdaptors);
    m_bus.registerService(m_serviceName);

    // A host that starts (or starts again) after Kestrel takes the item up then.
    delete m_watcher;
    m_watcher = new QDBusServiceWatcher(QString::fromLatin1(watcherService), m_bus,
                                        QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                setRegistered(false);
                if (!newOwner.isEmpty())
                    registerWithWatcher();
            });
    const bool watcherRuns = isWatcherRunning(m_bus);
    if (watcherRuns)
        registerWithWatcher();
    return watcherRuns;
}

bool StatusNotifierItem::isWatcherRunning(const QDBusConnection& bus)
{
    return bus.isConnected() && bus.interface() &&
           bus.interface()->isServiceRegistered(QString::fromLatin1(watcherService)).value();
}

void StatusNotifierItem::registerWithWatcher()
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(watcherService), QStringLiteral("/StatusNotifierWatcher"),
        QString::fromLatin1(watcherService), QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answer) {
        answer->deleteLater();
        setRegistered(!answer->isError());
    });
}

void StatusNotifierItem::setRegistered(bool registered)
{
    if (std::exchange(m_registered, registered) != registered && m_handlers.registrationChanged)
        m_handlers.registrationChanged(registered);
}

void StatusNotifierItem::setIcon(const std::vector<IconPixels>& sizes)
{
    m_icon = sizes;
    emit m_itemAdaptor->NewIcon();
}

void StatusNotifierItem::setToolTip(const std::string& text)
{
    const QString title = QString::fromStdString(text);
    if (std::exchange(m_toolTip, title) != title)
        emit m_itemAdaptor->NewToolTip();
}

void StatusNotifierItem::setMenu(std::vector<TrayMenuEntry> entries)
{
    if (entries == m_menu)
        return;
    m_menu = std::move(entries);
    ++m_menuRevision;
    emit m_menuAdaptor->LayoutUpdated(m_menuRevision, sni::rootId);
}

} // namespace kestrel

#include "StatusNotifierItem.moc"
