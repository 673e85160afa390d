#pragma once

#include <filesystem>

namespace kestrel {

// The XDG base directories Kestrel keeps its files in. Each is empty when neither the
// variable nor a home directory gives an absolute path: Kestrel never guesses a shared place
// such as /tmp, where others could plant files.
namespace XdgDirectories {

// The variable when it holds an absolute path (XDG ignores relative ones), else
// home/fallbackInHome.
std::filesystem::path resolve(const char* variable, const char* home, const char* fallbackInHome);

std::filesystem::path configHome(); // $XDG_CONFIG_HOME or ~/.config
std::filesystem::path stateHome();  // $XDG_STATE_HOME or ~/.local/state
std::filesystem::path cacheHome();  // $XDG_CACHE_HOME or ~/.cache
// $XDG_RUNTIME_DIR when it is an absolute path; empty otherwise (it has no fallback).
std::filesystem::path runtimeDir();

} // namespace XdgDirectories

} // namespace kestrel
