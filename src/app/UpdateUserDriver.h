#pragma once

#include "app/Appcast.h"
#include "app/UpdateReminders.h"
#include "common/UiText.h"

#include <cstdint>
#include <functional>
#include <string>

namespace kestrel {

// Kestrel's update window, as the update service drives it. Every call shows the window (or
// changes what it shows) in front; the window tells the service when the user closes it.
class UpdateUserDriver {
public:
    virtual ~UpdateUserDriver() = default;
    virtual void showChecking() = 0;
    virtual void showUpToDate(const std::string& currentVersion) = 0;
    virtual void showError(const UiMessage& message) = 0;
    // `choose` answers Install, Remind Me Later or Skip This Version, once.
    virtual void showUpdate(const AppcastItem& update, std::function<void(UpdateChoice)> choose) = 0;
    virtual void showDownloading(std::uint64_t received, std::uint64_t total) = 0;
    virtual void showInstalled(const UiMessage& message) = 0;
};

} // namespace kestrel
