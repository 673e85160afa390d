#include "platform/linux/JsonDefaultsStore.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrel {

namespace fs = std::filesystem;

namespace {

// A preferences file is a few hundred bytes; anything this large is not ours to parse.
constexpr std::intmax_t maximumFileSize = 1 << 20;

std::optional<DefaultsValue> toDefaultsValue(const nlohmann::json& value)
{
    if (value.is_boolean())
        return value.get<bool>();
    if (value.is_number())
        return value.get<double>();
    if (value.is_string())
        return value.get<std::string>();
    return std::nullopt; // null, arrays and objects: kept in the file, never read as a preference
}

bool writeAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::optional<std::string> readAll(int fd)
{
    std::string contents;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (count == 0)
            return contents;
        contents.append(buffer, static_cast<std::size_t>(count));
        if (static_cast<std::intmax_t>(contents.size()) > maximumFileSize)
            return std::nullopt;
    }
}

// The parser refuses numbers beyond a double's range, which would cost every other
// preference in the file. Such a number reads as the largest double of its sign (or 0
// when it is too small), as the store's own number conversion reads it.
std::string clampOutOfRangeNumbers(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    bool inString = false;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (inString) {
            result += c;
            if (c == '\\' && i + 1 < text.size())
                result += text[++i];
            else if (c == '"')
                inString = false;
            ++i;
            continue;
        }
        if (c == '"') {
            inString = true;
            result += c;
            ++i;
            continue;
        }
        if (c != '-' && (c < '0' || c > '9')) {
            result += c;
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < text.size() && std::string_view("0123456789+-.eE").find(text[end]) != std::string_view::npos)
            ++end;
        const std::string_view number = text.substr(i, end - i);
        double value = 0;
        const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
        if (parsed.ec == std::errc::result_out_of_range) {
            const auto exponent = number.find_first_of("eE");
            const bool tooSmall =
                exponent != std::string_view::npos && exponent + 1 < number.size() && number[exponent + 1] == '-';
            result += tooSmall ? "0" : (number.front() == '-' ? "-1.7976931348623157e308" : "1.7976931348623157e308");
        } else {
            result += number;
        }
        i = end;
    }
    return result;
}

// Makes a rename inside the directory survive a power cut.
void syncDirectory(const fs::path& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

JsonDefaultsStore::JsonDefaultsStore(fs::path file) : m_path(std::move(file)) {}

fs::path JsonDefaultsStore::defaultPathFor(const char* xdgConfigHome, const char* home)
{
    fs::path base;
    if (xdgConfigHome && fs::path(xdgConfigHome).is_absolute())
        base = xdgConfigHome;
    else if (home && fs::path(home).is_absolute())
        base = fs::path(home) / ".config";
    else
        return {}; // never guess a shared place such as /tmp, where others could plant the file
    return base / "kestrel" / "preferences.json";
}

fs::path JsonDefaultsStore::defaultPath()
{
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        if (const passwd* user = ::getpwuid(::getuid()))
            home = user->pw_dir;
    }
    return defaultPathFor(std::getenv("XDG_CONFIG_HOME"), home);
}

namespace {

template <typename Stamp>
Stamp stampFrom(const struct stat& info)
{
    return {true, static_cast<std::uintmax_t>(info.st_dev), static_cast<std::uintmax_t>(info.st_ino),
            static_cast<std::intmax_t>(info.st_size),
            static_cast<std::intmax_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

} // namespace

// Identity (device, inode) catches replacement by rename; size and modification time catch
// editing in place.
JsonDefaultsStore::FileStamp JsonDefaultsStore::stampOf(const fs::path& file)
{
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0)
        return {};
    return stampFrom<FileStamp>(info);
}

JsonDefaultsStore::FileStamp JsonDefaultsStore::stampOf(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return {};
    return stampFrom<FileStamp>(info);
}

void JsonDefaultsStore::reloadIfChanged() const
{
    if (m_path.empty())
        return;
    const FileStamp stamp = stampOf(m_path);
    if (m_stamp && *m_stamp == stamp)
        return;
    m_stamp = stamp;
    m_values = nlohmann::json::object();
    m_fileIsBroken = false;
    if (!stamp.exists)
        return;

    std::optional<std::string> contents;
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        contents = readAll(fd);
        ::close(fd);
    }
    if (!contents) {
        // Unreadable (permissions, a directory, too large): never overwrite what we
        // could not read.
        m_fileIsBroken = true;
        return;
    }
    auto parsed = nlohmann::json::parse(*contents, nullptr, /*allow_exceptions=*/false);
    if (parsed.is_discarded())
        parsed = nlohmann::json::parse(clampOutOfRangeNumbers(*contents), nullptr, /*allow_exceptions=*/false);
    if (!parsed.is_object()) {
        m_fileIsBroken = true;
        return;
    }
    m_values = std::move(parsed);
}

std::optional<DefaultsValue> JsonDefaultsStore::object(std::string_view key) const
{
    reloadIfChanged();
    const auto member = m_values.find(key);
    if (member == m_values.end())
        return std::nullopt;
    return toDefaultsValue(*member);
}

bool JsonDefaultsStore::set(std::string_view key, DefaultsValue value)
{
    if (const double* number = std::get_if<double>(&value); number && !std::isfinite(*number))
        return false;

    reloadIfChanged(); // merge with whatever another process wrote meanwhile
    std::visit([&](auto&& stored) { m_values[std::string(key)] = std::move(stored); }, std::move(value));

    if (m_path.empty())
        return false;
    if (m_fileIsBroken && !moveBrokenFileAside())
        return false;

    std::error_code error;
    // Write through a symbolic link (dotfile managers use them) instead of replacing it.
    fs::path target = fs::is_symlink(m_path, error) ? fs::weakly_canonical(m_path, error) : m_path;
    if (error)
        target = m_path;
    fs::create_directories(target.parent_path(), error);

    const std::string contents =
        m_values.dump(2, ' ', /*ensure_ascii=*/false, nlohmann::json::error_handler_t::replace) + "\n";
    const auto written = writeFile(target, contents);
    if (!written)
        return false;
    m_stamp = written;
    return true;
}

bool JsonDefaultsStore::moveBrokenFileAside()
{
    // No exceptions here: a name too long or a directory gone must fail the write, not
    // escape through the store's interface.
    std::error_code error;
    fs::path aside = m_path;
    aside += ".broken";
    // An earlier broken file is kept too: pick the first free name.
    for (int attempt = 2; fs::exists(aside, error) && attempt < 100; ++attempt) {
        aside = m_path;
        aside += ".broken-" + std::to_string(attempt);
    }
    fs::rename(m_path, aside, error);
    if (error && fs::exists(m_path, error))
        return false;
    m_fileIsBroken = false;
    // The file is gone now: should the write that follows fail, the next read must not
    // take its absence for a change and drop what is held in memory.
    m_stamp = stampOf(m_path);
    return true;
}

std::optional<JsonDefaultsStore::FileStamp> JsonDefaultsStore::writeFile(const fs::path& target,
                                                                         std::string_view contents)
{
    std::string temporary = target.string() + ".tmp-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return std::nullopt;
    ::fchmod(fd, 0644);
    const bool written = writeAll(fd, contents) && ::fsync(fd) == 0;
    const FileStamp stamp = stampOf(fd); // rename keeps inode, size and modification time
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return std::nullopt;
    }
    syncDirectory(target.parent_path());
    return stamp;
}

} // namespace kestrel
