#include "platform/updates/QtPackageInstaller.h"

#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace kestrel {

UiMessage QtPackageInstaller::install(const std::filesystem::path& file)
{
    const QString package = QString::fromStdString(file.string());
    const QString pkexec = QStandardPaths::findExecutable(QStringLiteral("pkexec"));
    const QString aptGet = QStandardPaths::findExecutable(QStringLiteral("apt-get"));
    if (file.extension() == ".deb" && !pkexec.isEmpty() && !aptGet.isEmpty() &&
        QProcess::startDetached(pkexec, {aptGet, QStringLiteral("install"), QStringLiteral("--yes"), package}))
        return {};
    const QString folder = QString::fromStdString(file.parent_path().string());
    if (m_workspace.openURL(QUrl::fromLocalFile(folder).toString().toStdString()))
        return {};
    return {KESTREL_TEXT("Updates", "nothing on this system installs it; the package is in %1"),
            {file.parent_path().string()}};
}

} // namespace kestrel
