#include "platform/qt/QtWorkspace.h"

#include <QDesktopServices>
#include <QUrl>

#include <vector>

namespace fs = std::filesystem;

namespace kestrel {

bool QtWorkspace::openURL(const std::string& url)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

std::string QtWorkspace::helpPageURL(const std::string& name, const std::string& language, const fs::path& executable)
{
    const fs::path folder = executable.parent_path();
    std::vector<fs::path> candidates;
    for (const fs::path& help : {folder / ".." / "share" / "kestrel" / "help", folder / "help"}) {
        // A language is a plain name; anything else is not looked for.
        if (!language.empty() && language.find_first_of("/.") == std::string::npos)
            candidates.push_back(help / language / name);
        candidates.push_back(help / name);
    }
    for (const fs::path& candidate : candidates) {
        std::error_code error;
        if (fs::is_regular_file(candidate, error))
            return QUrl::fromLocalFile(QString::fromStdString(fs::weakly_canonical(candidate, error).string()))
                .toString()
                .toStdString();
    }
    return {};
}

std::string QtWorkspace::helpPageURL(const std::string& name, const std::string& language)
{
    std::error_code error;
    return helpPageURL(name, language, fs::read_symlink("/proc/self/exe", error));
}

} // namespace kestrel
