#pragma once

#include "platform/LoginItemService.h"
#include "platform/SystemLog.h"
#include "platform/Workspace.h"

#include <string>
#include <vector>

namespace kestrel::test {

// The login item: on or off as set, unless a refusal is given, which every change returns.
struct FakeLoginItem final : LoginItemService {
    bool enabled = false;
    std::string refusal;
    std::vector<bool> requested; // every value asked for, refused or not
    bool isEnabled() const override { return enabled; }
    std::string setEnabled(bool value) override
    {
        requested.push_back(value);
        if (refusal.empty())
            enabled = value;
        return refusal;
    }
};

struct RecordingLog final : SystemLog {
    std::vector<std::string> lines;
    void error(std::string_view category, std::string_view message) override
    {
        lines.push_back(std::string(category) + ": " + std::string(message));
    }
};

// Records every address; answers `opens` (false: the desktop has nothing that opens it).
struct RecordingWorkspace final : Workspace {
    std::vector<std::string> opened;
    bool opens = true;
    bool openURL(const std::string& url) override
    {
        opened.push_back(url);
        return opens;
    }
};

} // namespace kestrel::test
