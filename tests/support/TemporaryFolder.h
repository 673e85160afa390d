#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include <stdlib.h>

namespace kestrel::test {

// A folder of the test's own in the system's temporary folder, named after `prefix` and unique
// to it, removed with all it holds when the object goes. Empty when it could not be made.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::string& prefix)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (::mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace kestrel::test
