#include "platform/linux/JsonDefaultsStore.h"

#include "platform/linux/PosixFile.h"

#include "platform/linux/XdgDirectories.h"

#include "common/UnicodeText.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrel {

namespace fs = std::filesystem;

namespace {

// A preferences file is a few hundred bytes; anything this large is not ours to parse, and
// nothing nested this deep (members Kestrel does not know are written back, and writing
// recurses once per level).
constexpr std::intmax_t maximumFileSize = 1 << 20;
constexpr int maximumNesting = 64;

// What each file says when it is in trouble, whole sentences per kind of file so that each
// language can word them its own way.
struct TroubleTexts {
    UiText cannotRead;      // %1 the file, %2 why
    UiText cannotSave;      // %1 the file, %2 why
    UiText cannotSetAside;  // %1 the file, %2 why
    UiText setAside;        // %1 the file, %2 where it went
    UiText tooLarge;        // why a file cannot be read
    UiText nestsTooDeep;    // why a file cannot be read
    UiText wouldBeTooLarge; // why a file cannot be saved
};

const TroubleTexts& troubleTexts(JsonDefaultsStore::Contents contents)
{
    static const TroubleTexts preferences{
        KESTREL_TEXT("JsonDefaultsStore", "cannot read the preferences file %1: %2. Kestrel uses the settings it "
                                          "last read and will not change the file."),
        KESTREL_TEXT("JsonDefaultsStore", "cannot save preferences to %1: %2. Changes are kept until Kestrel quits."),
        KESTREL_TEXT("JsonDefaultsStore", "cannot set the preferences file %1, which did not make sense, aside: %2. "
                                          "Changes are kept until Kestrel quits."),
        KESTREL_TEXT("JsonDefaultsStore",
                     "the preferences file %1 did not make sense; it was kept as %2 and a new one started."),
        KESTREL_TEXT("JsonDefaultsStore", "it is larger than a preferences file can be"),
        KESTREL_TEXT("JsonDefaultsStore", "it nests deeper than a preferences file does"),
        KESTREL_TEXT("JsonDefaultsStore", "the preferences would be larger than a preferences file can be"),
    };
    static const TroubleTexts state{
        KESTREL_TEXT("JsonDefaultsStore", "cannot read the state file %1: %2. Kestrel uses the state it last read "
                                          "and will not change the file."),
        KESTREL_TEXT("JsonDefaultsStore", "cannot save the state to %1: %2. Changes are kept until Kestrel quits."),
        KESTREL_TEXT("JsonDefaultsStore", "cannot set the state file %1, which did not make sense, aside: %2. "
                                          "Changes are kept until Kestrel quits."),
        KESTREL_TEXT("JsonDefaultsStore",
                     "the state file %1 did not make sense; it was kept as %2 and a new one started."),
        KESTREL_TEXT("JsonDefaultsStore", "it is larger than a state file can be"),
        KESTREL_TEXT("JsonDefaultsStore", "it nests deeper than a state file does"),
        KESTREL_TEXT("JsonDefaultsStore", "the state would be larger than a state file can be"),
    };
    return contents == JsonDefaultsStore::Contents::state ? state : preferences;
}

constexpr UiText notARegularFile = KESTREL_TEXT("JsonDefaultsStore", "it is not a regular file");

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

// How deep arrays and objects nest in JSON text, strings skipped.
int nestingDepth(std::string_view text)
{
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

// Renames without ever replacing what is at `to`; false with errno EEXIST when something is.
bool renameWithoutReplacing(const fs::path& from, const fs::path& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the flag: a hard link cannot replace anything either.
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    ::unlink(from.c_str());
    return true;
}

} // namespace

JsonDefaultsStore::JsonDefaultsStore(fs::path file, Contents contents, std::chrono::milliseconds recheck)
    : m_path(std::move(file)), m_contents(contents), m_recheck(recheck)
{}

namespace {

// No configuration folder, no file: preferences are then kept in memory only.
fs::path preferencesFileIn(const fs::path& configHome)
{
    return configHome.empty() ? configHome : configHome / "kestrel" / "preferences.json";
}

} // namespace

fs::path JsonDefaultsStore::defaultPathFor(const char* xdgConfigHome, const char* home)
{
    return preferencesFileIn(XdgDirectories::resolve(xdgConfigHome, home, ".config"));
}

fs::path JsonDefaultsStore::defaultPath()
{
    return preferencesFileIn(XdgDirectories::configHome());
}

namespace {

template <typename Stamp>
Stamp stampFrom(const struct stat& info)
{
    return {true,
            static_cast<std::uintmax_t>(info.st_dev),
            static_cast<std::uintmax_t>(info.st_ino),
            static_cast<std::intmax_t>(info.st_size),
            static_cast<std::intmax_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
            static_cast<std::uintmax_t>(info.st_mode),
            static_cast<std::uintmax_t>(info.st_uid),
            static_cast<std::uintmax_t>(info.st_gid)};
}

// Opens for reading without ever blocking (a FIFO at the path must not hang Kestrel) and
// without becoming a controlling terminal.
int openForReading(const fs::path& file)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (fd >= 0 || errno != EINTR)
            return fd;
    }
    return -1;
}

// The file a chain of symbolic links ends at, even when that file does not exist yet
// (a dotfile manager's link to a file still to be written). Nothing for a loop.
std::optional<fs::path> resolveLinks(fs::path file)
{
    std::error_code error;
    for (int depth = 0; depth < 40; ++depth) {
        if (!fs::is_symlink(file, error))
            return file;
        const fs::path target = fs::read_symlink(file, error);
        if (error)
            return std::nullopt;
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    return std::nullopt;
}

} // namespace

void JsonDefaultsStore::reloadIfChanged() const
{
    if (m_path.empty())
        return;
    struct stat info {};
    if (::stat(m_path.c_str(), &info) != 0) {
        const int error = errno;
        if (error != ENOENT && error != ENOTDIR) {
            markUnreadable(posix::errorMessage(error));
            return;
        }
        // No file (a dangling link included): the defaults, and whatever was set meanwhile.
        const FileStamp absent;
        if (m_stamp == absent)
            return;
        m_stamp = absent;
        m_fileIsBroken = false;
        m_fileIsUnreadable = false;
        if (m_trouble == Trouble::unreadable)
            report(Trouble::none, {});
        takeValues(nlohmann::json::object());
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        markUnreadable(notARegularFile);
        return;
    }
    if (m_stamp && *m_stamp == stampFrom<FileStamp>(info))
        return;

    const int fd = openForReading(m_path);
    if (fd < 0) {
        markUnreadable(posix::errorMessage(errno));
        return;
    }
    // Checked again on what was opened: the path may have changed since the stat.
    struct stat opened {};
    std::optional<std::string> contents;
    UiMessage reason;
    const TroubleTexts& texts = troubleTexts(m_contents);
    if (::fstat(fd, &opened) != 0) {
        reason = posix::errorMessage(errno);
    } else if (!S_ISREG(opened.st_mode)) {
        reason = notARegularFile;
    } else if (opened.st_size > maximumFileSize) {
        reason = texts.tooLarge;
    } else {
        errno = 0;
        contents = readAll(fd);
        if (!contents) {
            reason = errno == 0 ? UiMessage(texts.tooLarge) : posix::errorMessage(errno);
        } else if (nestingDepth(*contents) > maximumNesting) {
            contents.reset();
            reason = texts.nestsTooDeep;
        }
    }
    ::close(fd);
    if (!contents) {
        markUnreadable(reason);
        return;
    }

    m_stamp = stampFrom<FileStamp>(opened);
    m_fileIsUnreadable = false;
    if (m_trouble == Trouble::unreadable)
        report(Trouble::none, {});
    auto parsed = nlohmann::json::parse(*contents, nullptr, /*allow_exceptions=*/false);
    if (parsed.is_discarded())
        parsed = nlohmann::json::parse(clampOutOfRangeNumbers(*contents), nullptr, /*allow_exceptions=*/false);
    // Read whole and not ours to understand: it reads as empty and goes aside before a write.
    m_fileIsBroken = !parsed.is_object();
    takeValues(m_fileIsBroken ? nlohmann::json::object() : std::move(parsed));
}

void JsonDefaultsStore::takeValues(nlohmann::json values) const
{
    for (const auto& [key, value] : m_unsaved.items())
        values[key] = value;
    m_values = std::move(values);
}

void JsonDefaultsStore::markUnreadable(UiMessage reason) const
{
    // The values last read stay; nothing is cached, so the next access tries again.
    m_stamp.reset();
    m_fileIsUnreadable = true;
    report(Trouble::unreadable, {troubleTexts(m_contents).cannotRead, {m_path.string(), std::move(reason)}});
}

void JsonDefaultsStore::report(Trouble trouble, UiMessage message) const
{
    m_trouble = trouble;
    m_problem = std::move(message);
}

std::optional<DefaultsValue> JsonDefaultsStore::object(std::string_view key) const
{
    const auto now = std::chrono::steady_clock::now();
    if (m_recheck.count() <= 0 || !m_lastLook || now - *m_lastLook >= m_recheck) {
        m_lastLook = now;
        reloadIfChanged();
    }
    const auto member = m_values.find(key);
    if (member == m_values.end())
        return std::nullopt;
    return toDefaultsValue(*member);
}

bool JsonDefaultsStore::set(std::string_view key, DefaultsValue value)
{
    // JSON holds neither infinities nor text that is not UTF-8: such values could not be read
    // back as they were set.
    if (const double* number = std::get_if<double>(&value); number && !std::isfinite(*number))
        return false;
    if (const std::string* text = std::get_if<std::string>(&value); text && !unicode::decodeUtf8(*text))
        return false;

    reloadIfChanged(); // merge with whatever another process wrote meanwhile
    std::visit(
        [&](auto&& stored) {
            m_values[std::string(key)] = stored;
            m_unsaved[std::string(key)] = std::move(stored);
        },
        std::move(value));

    if (m_path.empty() || m_fileIsUnreadable)
        return false; // never overwrite what could not be read
    if (m_fileIsBroken && !moveBrokenFileAside())
        return false;

    // Write through a symbolic link (dotfile managers use them) instead of replacing it.
    const auto target = resolveLinks(m_path);
    const auto notSaved = [&](UiMessage reason) {
        report(Trouble::unsaved, {troubleTexts(m_contents).cannotSave, {m_path.string(), std::move(reason)}});
        return false;
    };
    if (!target)
        return notSaved(posix::errorMessage(ELOOP));
    std::error_code error;
    fs::create_directories(target->parent_path(), error);

    // Indented for people who edit it by hand, unless that would make it too large to read back.
    std::string contents =
        m_values.dump(2, ' ', /*ensure_ascii=*/false, nlohmann::json::error_handler_t::replace) + "\n";
    if (static_cast<std::intmax_t>(contents.size()) > maximumFileSize)
        contents = m_values.dump(-1, ' ', /*ensure_ascii=*/false, nlohmann::json::error_handler_t::replace) + "\n";
    if (static_cast<std::intmax_t>(contents.size()) > maximumFileSize)
        return notSaved(troubleTexts(m_contents).wouldBeTooLarge);
    const Written written = writeFile(*target, contents);
    if (!written.stamp)
        return notSaved(posix::errorMessage(written.error));
    m_stamp = written.stamp;
    m_unsaved = nlohmann::json::object();
    report(Trouble::none, {});
    return true;
}

bool JsonDefaultsStore::moveBrokenFileAside()
{
    // No exceptions here: a name too long or a directory gone must fail the write, not
    // escape through the store's interface. Through a symbolic link, the broken file is the
    // one the link points to: it goes aside and the link stays.
    const auto broken = resolveLinks(m_path);
    const auto cannot = [&](UiMessage reason) {
        report(Trouble::unsaved, {troubleTexts(m_contents).cannotSetAside, {m_path.string(), std::move(reason)}});
        return false;
    };
    if (!broken)
        return cannot(posix::errorMessage(ELOOP));
    // An earlier broken file is kept too: take the first free name, never replacing one.
    fs::path aside;
    bool moved = false;
    for (int attempt = 1; attempt <= 1000 && !moved; ++attempt) {
        aside = *broken;
        aside += attempt == 1 ? std::string(".broken") : ".broken-" + std::to_string(attempt);
        moved = renameWithoutReplacing(*broken, aside);
        if (!moved && errno != EEXIST)
            return errno == ENOENT ? true : cannot(posix::errorMessage(errno)); // gone meanwhile: nothing to keep
    }
    if (!moved)
        return cannot(KESTREL_TEXT("JsonDefaultsStore", "every name for it is taken"));
    m_fileIsBroken = false;
    report(Trouble::setAside, {troubleTexts(m_contents).setAside, {broken->string(), aside.string()}});
    // The file is gone now: should the write that follows fail, the next read must not
    // take its absence for a change and drop what is held in memory.
    m_stamp = FileStamp{};
    return true;
}

JsonDefaultsStore::Written JsonDefaultsStore::writeFile(const fs::path& target, std::string_view contents)
{
    // The file keeps its permissions; a new one is the user's alone.
    struct stat existing {};
    const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0600;
    struct stat info {};
    if (const int error = posix::replaceFile(target, contents, mode, &info); error != 0)
        return {std::nullopt, error};
    return {stampFrom<FileStamp>(info), 0};
}

} // namespace kestrel
