// What a process holds, read from /proc: its memory, descriptors, threads and timers, and
// what the X server holds for it.
#pragma once

#include "support/x11/XResources.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/types.h>

namespace kestrel::test {

struct ProcessFigures {
    long residentKiB = 0;
    int descriptors = 0;
    int timerDescriptors = 0; // timerfds among the descriptors
    int threads = 0;
    // Shared-memory files mapped (a Wayland client's buffers), and their size.
    int sharedMemoryMaps = 0;
    long sharedMemoryKiB = 0;
    ServerResources server;

    static ProcessFigures of(std::int64_t pid)
    {
        namespace fs = std::filesystem;
        ProcessFigures figures;
        const fs::path process = "/proc/" + std::to_string(pid);
        figures.residentKiB = statusField(process / "status", "VmRSS:");
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(process / "fd", error)) {
            ++figures.descriptors;
            if (fs::read_symlink(entry.path(), error).string() == "anon_inode:[timerfd]")
                ++figures.timerDescriptors;
        }
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(process / "task", error))
            ++figures.threads;
        std::ifstream maps(process / "maps");
        for (std::string line; std::getline(maps, line);) {
            if (line.find("/memfd:") == std::string::npos)
                continue;
            ++figures.sharedMemoryMaps;
            const auto dash = line.find('-');
            const auto space = line.find(' ');
            figures.sharedMemoryKiB +=
                static_cast<long>((std::stoull(line.substr(dash + 1, space - dash - 1), nullptr, 16) -
                                   std::stoull(line.substr(0, dash), nullptr, 16)) /
                                  1024);
        }
        return figures;
    }

    // How often the process's threads have been switched out so far, as each wakeup ends in
    // one: the count after some idle time, less the count before, is its wakeups.
    static long contextSwitches(std::int64_t pid)
    {
        namespace fs = std::filesystem;
        long switches = 0;
        std::error_code error;
        for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
            switches += statusField(task.path() / "status", "voluntary_ctxt_switches:");
            switches += statusField(task.path() / "status", "nonvoluntary_ctxt_switches:");
        }
        return switches;
    }

    std::string describe() const
    {
        std::ostringstream text;
        text << residentKiB / 1024.0 << " MiB resident, " << descriptors << " descriptors (" << timerDescriptors
             << " timers), " << threads << " threads, " << sharedMemoryMaps << " shared-memory maps ("
             << sharedMemoryKiB << " KiB)";
        if (!server.empty())
            text << "; in the X server: " << test::describe(server);
        return text.str();
    }

private:
    static long statusField(const std::filesystem::path& status, const std::string& name)
    {
        std::ifstream file(status);
        for (std::string line; std::getline(file, line);) {
            if (line.rfind(name, 0) == 0)
                return std::stol(line.substr(name.size()));
        }
        return 0;
    }
};

} // namespace kestrel::test
