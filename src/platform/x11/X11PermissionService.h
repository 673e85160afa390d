#pragma once

#include "platform/PermissionService.h"

#include <string>

namespace kestrel::x11 {

// On X11 nothing has to be granted: Kestrel may listen whenever the display opens and
// offers XInput 2.2.
class X11PermissionService final : public PermissionService {
public:
    explicit X11PermissionService(std::string displayName = {}) : m_displayName(std::move(displayName)) {}
    bool isInputMonitoringGranted() const override;

private:
    std::string m_displayName;
};

} // namespace kestrel::x11
