// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace ravello::testing {

// The variable naming the user's data folder, in which the program keeps its own.
#ifdef _WIN32
inline constexpr const char* kUserDataVariable = "APPDATA";
#else
inline constexpr const char* kUserDataVariable = "XDG_DATA_HOME";
#endif

// Sets a variable of the test process's environment to UTF-8 text; on Windows through the
// Unicode environment, which the program reads.
void setEnvironmentVariable(const char* name, const std::string& utf8Value);

// Sets a variable for as long as the object lives, then puts back what was there before.
class EnvironmentVariableScope
{
public:
    EnvironmentVariableScope(const char* name, const std::string& utf8Value);
    ~EnvironmentVariableScope();
    EnvironmentVariableScope(const EnvironmentVariableScope&) = delete;
    EnvironmentVariableScope& operator=(const EnvironmentVariableScope&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_before;
};

} // namespace ravello::testing
