#pragma once

#include "common/UiText.h"

#include <optional>
#include <string>

namespace kestrel {

// What the build says about Kestrel: the stand-in for an application bundle's information.
// Each entry may be missing; the readers below supply what the application shows then.
struct BundleInfo {
    std::optional<std::string> displayName;
    std::optional<std::string> name;
    std::optional<std::string> shortVersion; // "2.1"
    std::optional<std::string> buildNumber;  // "57"
    // The product's addresses; an empty one is not shown anywhere.
    std::string supportMail;
    std::string website; // home page, without a trailing slash
    std::string publisher;
};

// Kestrel's name, version and addresses, for the tray, the settings and the command line.
struct AppInfo {
    std::string name;
    UiMessage version; // "Version 2.1 (57)"
    // Empty when the build names no address: About then hides the row.
    std::string supportMailURL;
    std::string websiteURL;
    std::string privacyURL;
    std::string acknowledgementsURL;
    std::string publisher; // named in About's footer

    // The display name, else the bundle name, else the process name; "Version 1.0 (1)" when
    // the build gives no version.
    static AppInfo from(const BundleInfo& bundle, const std::string& processName);
    // This build's information, computed once.
    static const AppInfo& current();
    static const BundleInfo& currentBundle();
};

} // namespace kestrel
