#pragma once

#include "platform/ScreenService.h"

#include <QString>

class QScreen;

namespace kestrel {

// The screens and the pointer from Qt, in Kestrel's coordinates. Screens are looked up
// afresh at every call: QScreen objects come and go with monitors.
class QtScreenService final : public ScreenService {
public:
    std::vector<Screen> screens() const override;
    std::optional<Screen> mainScreen() const override;
    Point pointerLocation() const override;

    // A stable identity for a display: a name-based (SHA-1, version 5) UUID of its
    // manufacturer, model and serial number, or of its output name when it reports none,
    // written upper-case 8-4-4-4-12.
    static std::string displayIdentity(const QString& manufacturer, const QString& model, const QString& serial,
                                       const QString& name);

private:
    static Screen describe(const QScreen& screen);
};

} // namespace kestrel
