#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace kestrel::test {

// An environment variable set for as long as the object lives, and put back as it was (or
// unset) however the test ends.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : m_name(name)
    {
        if (const char* before = std::getenv(name))
            m_before = before;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable()
    {
        if (m_before)
            ::setenv(m_name.c_str(), m_before->c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

    void set(const std::string& value) { ::setenv(m_name.c_str(), value.c_str(), 1); }

private:
    std::string m_name;
    std::optional<std::string> m_before;
};

} // namespace kestrel::test
