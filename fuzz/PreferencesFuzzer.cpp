// The preferences file as anyone may have left it: any bytes. Kestrel reads every
// preference from it, writes one, and reads the file again: nothing may crash or throw, every
// reader answers within its range, and what was written reads back as it was written.

#include "platform/linux/JsonDefaultsStore.h"
#include "settings/Preferences.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace kestrel;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "preferences fuzzer: %s\n", what);
    std::abort();
}

// A folder of our own, in memory where the system offers it (fsync is then cheap).
const fs::path& folder()
{
    static const fs::path path = [] {
        std::error_code error;
        const fs::path base = fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "kestrel-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            fail("no temporary folder");
        return fs::path(pattern);
    }();
    return path;
}

void readEverything(const DefaultsStore& store)
{
    Preferences::showKeystrokes(store);
    Preferences::hasCompletedOnboarding(store);
    Preferences::hasRequestedInputMonitoring(store);
    Preferences::showShiftWithCapitals(store);
    Preferences::showClicksAndScrolling(store);
    Preferences::displayMode(store);
    Preferences::isShortcutsOnly(store);
    Preferences::overlaySize(store);
    Preferences::keyColor(store);
    Preferences::overlayPosition(store);
    Preferences::overlayDisplay(store);
    const double duration = Preferences::displayDuration(store);
    if (std::isnan(duration))
        fail("the display duration is not a number");
    for (const double fraction : {Preferences::customPositionX(store), Preferences::customPositionY(store)}) {
        if (!(fraction >= 0 && fraction <= 1))
            fail("a custom position fraction is outside 0 to 1");
    }
    // The readers above use the store's own conversions; the raw values too.
    for (const auto& definition : preferenceDefinitions)
        store.object(definition.key);
}

} // namespace

// The input is the file, then (after its last NUL byte, if any) what to write: a byte for the
// key, a byte for the type, and the value's bytes. Plain files make good seeds that way.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto split = bytes.rfind('\0');
    const std::string_view contents = bytes.substr(0, split);
    std::string_view trailer = split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1);
    const auto take = [&]() -> std::uint8_t {
        if (trailer.empty())
            return static_cast<std::uint8_t>(size);
        const auto byte = static_cast<std::uint8_t>(trailer.front());
        trailer.remove_prefix(1);
        return byte;
    };
    const auto& definition = preferenceDefinitions[take() % preferenceDefinitions.size()];
    DefaultsValue written;
    switch (take() % 3) {
    case 0:
        written = (take() & 1) != 0;
        break;
    case 1: {
        FuzzedDataProvider number(reinterpret_cast<const std::uint8_t*>(trailer.data()), trailer.size());
        written = number.ConsumeFloatingPoint<double>();
        break;
    }
    default:
        written = std::string(trailer);
        break;
    }

    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder(), error))
        fs::remove_all(entry.path(), error);
    const fs::path file = folder() / "preferences.json";
    std::ofstream(file, std::ios::binary) << contents;

    JsonDefaultsStore store(file);
    readEverything(store);
    const bool saved = store.set(definition.key, written);
    if (saved && store.object(definition.key) != written)
        fail("a value saved does not read back from memory");
    readEverything(store);

    JsonDefaultsStore again(file);
    readEverything(again);
    if (saved && again.object(definition.key) != written)
        fail("a value saved does not read back from the file");

    // Only a file that does not parse as an object is set aside, and then byte for byte.
    const fs::path aside = folder() / "preferences.json.broken";
    const auto original = nlohmann::json::parse(contents, nullptr, /*allow_exceptions=*/false);
    if (fs::exists(aside, error)) {
        if (original.is_object())
            fail("a file that parses was set aside");
        std::ifstream kept(aside, std::ios::binary);
        if (std::string(std::istreambuf_iterator<char>(kept), {}) != contents)
            fail("the file set aside is not the file that was there");
    }
    return 0;
}
