#include "platform/linux/XdgAutostart.h"

#include "platform/linux/PosixFile.h"
#include "platform/linux/XdgDirectories.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace kestrel {

namespace {

constexpr std::string_view kestrelMark = "X-Kestrel-Entry";
// An autostart entry is a few hundred bytes; anything far larger is not one to trust.
constexpr std::uintmax_t maximumEntrySize = 64 * 1024;

std::string_view trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The escapes of a string value: \s \n \t \r and \\.
std::string unescapeValue(std::string_view value)
{
    std::string result;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            result += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's':
            result += ' ';
            break;
        case 'n':
            result += '\n';
            break;
        case 't':
            result += '\t';
            break;
        case 'r':
            result += '\r';
            break;
        case '\\':
            result += '\\';
            break;
        default:
            result += '\\';
            result += value[i];
            break;
        }
    }
    return result;
}

// Exec's own quoting, applied after the string escapes: arguments are separated by spaces,
// and inside double quotes a backslash escapes " ` $ and itself. "%%" is a literal percent.
std::vector<std::string> splitExec(std::string_view exec)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '"')
                quoted = false;
            else if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%')
                current += exec[++i];
            else if (c == '\\' && i + 1 < exec.size() && std::strchr("\"`$\\", exec[i + 1]))
                current += exec[++i];
            else
                current += c;
        } else if (c == ' ' || c == '\t') {
            if (inArgument)
                arguments.push_back(std::exchange(current, {}));
            inArgument = false;
            continue;
        } else if (c == '"') {
            quoted = true;
        } else if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') {
            current += exec[++i];
        } else {
            current += c;
        }
        inArgument = true;
    }
    if (inArgument)
        arguments.push_back(std::move(current));
    return arguments;
}

enum class ReadResult { read, missing, failed };

ReadResult readEntry(const fs::path& path, std::string& text, std::string& failure)
{
    std::error_code error;
    const auto status = fs::status(path, error);
    if (!fs::exists(status))
        return ReadResult::missing;
    if (!fs::is_regular_file(status)) {
        failure = path.string() + " is not a regular file";
        return ReadResult::failed;
    }
    const auto size = fs::file_size(path, error);
    if (error || size > maximumEntrySize) {
        failure = path.string() + (error ? ": " + error.message() : " is too large to be an autostart entry");
        return ReadResult::failed;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    if (!(contents << in.rdbuf()) && size > 0) {
        failure = "cannot read " + path.string() + ": " + posix::errorText(errno);
        return ReadResult::failed;
    }
    text = contents.str();
    return ReadResult::read;
}

std::string writeAtomically(const fs::path& path, const std::string& text)
{
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    if (error)
        return "cannot create " + path.parent_path().string() + ": " + error.message();
    // An autostart entry holds nothing private; desktops read it as the user anyway.
    if (const int failure = posix::replaceFile(path, text, 0644); failure != 0)
        return "cannot write " + path.string() + ": " + posix::errorText(failure);
    return {};
}

} // namespace

std::optional<DesktopEntry> DesktopEntry::parse(std::string_view text)
{
    std::optional<DesktopEntry> entry;
    bool inMainGroup = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = trim(line);
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            inMainGroup = line == "[Desktop Entry]";
            if (inMainGroup && !entry)
                entry.emplace();
            continue;
        }
        const auto equals = line.find('=');
        if (!inMainGroup || equals == std::string_view::npos)
            continue;
        const std::string_view key = trim(line.substr(0, equals));
        const std::string value = unescapeValue(trim(line.substr(equals + 1)));
        if (key == "Exec")
            entry->exec = splitExec(value);
        else if (key == "Hidden")
            entry->hidden = value == "true";
        else if (key == "X-GNOME-Autostart-enabled")
            entry->autostartDisabled = value == "false";
        else if (key == kestrelMark)
            entry->writtenByKestrel = value == "true";
    }
    return entry;
}

std::string DesktopEntry::execValue(const fs::path& program)
{
    const std::string path = program.string();
    std::string argument;
    if (path.find_first_of(" \t\n\"'\\><~|&;$*?#()`") == std::string::npos) {
        argument = path;
    } else {
        argument = "\"";
        for (const char c : path) {
            if (std::strchr("\"`$\\", c))
                argument += '\\';
            argument += c;
        }
        argument += '"';
    }
    // Then the string escapes, which a reader undoes first.
    std::string value;
    for (const char c : argument) {
        switch (c) {
        case '%':
            value += "%%";
            break;
        case '\\':
            value += "\\\\";
            break;
        case '\n':
            value += "\\n";
            break;
        case '\t':
            value += "\\t";
            break;
        case '\r':
            value += "\\r";
            break;
        default:
            value += c;
            break;
        }
    }
    return value;
}

XdgAutostart::XdgAutostart(fs::path entry, fs::path executable, std::string name)
    : m_entry(std::move(entry)), m_executable(std::move(executable)), m_name(std::move(name))
{}

XdgAutostart XdgAutostart::forThisProgram(std::string name)
{
    std::error_code error;
    fs::path executable = fs::read_symlink("/proc/self/exe", error);
    const fs::path config = XdgDirectories::configHome();
    return XdgAutostart(config.empty() ? fs::path() : config / "autostart" / "kestrel.desktop", executable,
                        std::move(name));
}

bool XdgAutostart::runsThisExecutable(const DesktopEntry& entry) const
{
    if (entry.exec.empty() || m_executable.empty())
        return false;
    const fs::path program = entry.exec.front();
    std::error_code error;
    if (program.is_absolute())
        return fs::equivalent(program, m_executable, error);
    if (program.has_parent_path())
        return false; // relative paths are not allowed in Exec
    // A bare name is looked up in PATH, as the desktop starting it will.
    const char* searchPath = std::getenv("PATH");
    std::string_view directories = searchPath ? searchPath : "/usr/local/bin:/usr/bin:/bin";
    while (!directories.empty()) {
        const auto colon = directories.find(':');
        const fs::path directory(directories.substr(0, colon));
        directories = colon == std::string_view::npos ? std::string_view() : directories.substr(colon + 1);
        const fs::path candidate = directory / program;
        if (directory.is_absolute() && ::access(candidate.c_str(), X_OK) == 0)
            return fs::equivalent(candidate, m_executable, error);
    }
    return false;
}

bool XdgAutostart::isEnabled() const
{
    if (m_entry.empty())
        return false;
    std::string text, failure;
    if (readEntry(m_entry, text, failure) != ReadResult::read)
        return false;
    const auto entry = DesktopEntry::parse(text);
    return entry && !entry->hidden && !entry->autostartDisabled && runsThisExecutable(*entry);
}

std::string XdgAutostart::setEnabled(bool enabled)
{
    if (m_entry.empty())
        return "there is no home directory to keep an autostart entry in";
    std::string text, failure;
    const ReadResult read = readEntry(m_entry, text, failure);
    if (read == ReadResult::failed)
        return failure;
    const std::optional<DesktopEntry> entry = read == ReadResult::read ? DesktopEntry::parse(text) : std::nullopt;
    const bool isOn = entry && !entry->hidden && !entry->autostartDisabled && runsThisExecutable(*entry);
    if (isOn == enabled)
        return {};
    const bool isKestrels = entry && entry->writtenByKestrel;
    if (read == ReadResult::read && !isKestrels)
        return m_entry.string() + " was not written by Kestrel, so Kestrel leaves it as it is";
    if (!enabled) {
        if (::unlink(m_entry.c_str()) != 0 && errno != ENOENT)
            return "cannot remove " + m_entry.string() + ": " + posix::errorText(errno);
        return {};
    }
    if (m_executable.empty())
        return "cannot tell which program is running";
    const std::string entryText = "[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=" +
                                  m_name +
                                  "\n"
                                  "Comment=Shows the keys you press on screen\n"
                                  "Exec=" +
                                  DesktopEntry::execValue(m_executable) +
                                  "\n"
                                  "Terminal=false\n"
                                  "X-GNOME-Autostart-enabled=true\n" +
                                  std::string(kestrelMark) + "=true\n";
    // Kestrel does not trust an entry this large: written, it would be off though this said on.
    if (entryText.size() > maximumEntrySize)
        return "the autostart entry for " + m_executable.string() + " would be too large to be one";
    return writeAtomically(m_entry, entryText);
}

} // namespace kestrel
