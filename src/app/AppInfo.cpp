#include "app/AppInfo.h"

#include <cerrno> // program_invocation_short_name

namespace kestrel {

namespace {

std::string nonEmptyOr(const std::optional<std::string>& value, const std::string& fallback)
{
    return value && !value->empty() ? *value : fallback;
}

std::string nonEmptyOr(const std::string& value, const std::string& fallback)
{
    return value.empty() ? fallback : value;
}

std::string processName()
{
    // The name the program was started under, as the shell saw it.
    if (const char* name = program_invocation_short_name; name && *name)
        return name;
    return "kestrel";
}

} // namespace

AppInfo AppInfo::from(const BundleInfo& bundle, const std::string& processName)
{
    AppInfo info;
    info.name = nonEmptyOr(bundle.displayName, nonEmptyOr(bundle.name, processName));
    info.version = {KESTREL_TEXT("About", "Version %1 (%2)"),
                    {nonEmptyOr(bundle.shortVersion, "1.0"), nonEmptyOr(bundle.buildNumber, "1")}};
    if (!bundle.supportMail.empty())
        info.supportMailURL = "mailto:" + bundle.supportMail;
    info.publisher = nonEmptyOr(bundle.publisher, "the " + info.name + " developers");
    if (!bundle.website.empty()) {
        info.websiteURL = bundle.website;
        info.privacyURL = bundle.website + "/privacy";
        info.acknowledgementsURL = bundle.website + "/acknowledgements";
    }
    return info;
}

const BundleInfo& AppInfo::currentBundle()
{
    // Set by the build (CMake options KESTREL_DISPLAY_NAME, KESTREL_SUPPORT_MAIL, ...).
    static const BundleInfo bundle{
        .displayName = KESTREL_DISPLAY_NAME,
        .name = KESTREL_BUNDLE_NAME,
        .shortVersion = KESTREL_SHORT_VERSION,
        .buildNumber = KESTREL_BUILD_NUMBER,
        .supportMail = KESTREL_SUPPORT_MAIL,
        .website = KESTREL_WEBSITE,
        .publisher = KESTREL_PUBLISHER,
    };
    return bundle;
}

const AppInfo& AppInfo::current()
{
    static const AppInfo info = from(currentBundle(), processName());
    return info;
}

} // namespace kestrel
