#include "platform/qt/QtWorkspace.h"

#include <QDesktopServices>
#include <QUrl>

namespace fs = std::filesystem;

namespace kestrel {

bool QtWorkspace::openURL(const std::string& url)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

std::string QtWorkspace::helpPageURL(const std::string& name, const fs::path& executable)
{
    const fs::path folder = executable.parent_path();
    for (const fs::path& candidate : {folder / ".." / "share" / "kestrel" / "help" / name, folder / "help" / name}) {
        std::error_code error;
        if (fs::is_regular_file(candidate, error))
            return QUrl::fromLocalFile(QString::fromStdString(fs::weakly_canonical(candidate, error).string()))
                .toString()
                .toStdString();
    }
    return {};
}

std::string QtWorkspace::helpPageURL(const std::string& name)
{
    std::error_code error;
    return helpPageURL(name, fs::read_symlink("/proc/self/exe", error));
}

} // namespace kestrel
