#pragma once

#include "platform/UpdateServices.h"
#include "platform/Workspace.h"

namespace kestrel {

// Hands a verified package to the system: a Debian package to apt-get through pkexec (which
// asks for the administrator's password in the desktop's own dialog) when both are there;
// anything else, or without them, by opening the package's folder for the user.
class QtPackageInstaller final : public PackageInstaller {
public:
    explicit QtPackageInstaller(Workspace& workspace) : m_workspace(workspace) {}
    UiMessage install(const std::filesystem::path& file) override;

private:
    Workspace& m_workspace;
};

} // namespace kestrel
