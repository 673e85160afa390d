#pragma once

#include "platform/ScreenService.h"

#include <QString>

#include <memory>

class QObject;
class QScreen;

namespace kestrel {

// The screens and the pointer from Qt, in Kestrel's coordinates. The screens are described
// once and again only after a monitor came, went or changed, since every keystroke asks
// where they are.
class QtScreenService final : public ScreenService {
public:
    QtScreenService();
    ~QtScreenService() override;
    QtScreenService(const QtScreenService&) = delete;
    QtScreenService& operator=(const QtScreenService&) = delete;

    std::vector<Screen> screens() const override;
    std::optional<Screen> mainScreen() const override;
    Point pointerLocation() const override;

    // A stable identity for a display: a name-based (SHA-1, version 5) UUID of its
    // manufacturer, model and serial number, or of its output name when it reports none,
    // written upper-case 8-4-4-4-12.
    static std::string displayIdentity(const QString& manufacturer, const QString& model, const QString& serial,
                                       const QString& name);

private:
    struct Described {
        std::vector<Screen> screens;
        std::optional<Screen> main;
    };

    static Screen describe(const QScreen& screen);
    const Described& described() const;
    void watch(QScreen* screen);
    void forget() const; // a monitor came, went or changed

    std::unique_ptr<QObject> m_watcher; // ends the connections with the service
    mutable std::optional<Described> m_described;
};

} // namespace kestrel
