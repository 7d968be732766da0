// SPDX-License-Identifier: MIT
#include "tests/support/environment_variable.h"

#include <cstdlib>

#include "core/platform/native_text.h"

namespace ravello::testing {
namespace {

std::optional<std::string> currentValue(const char* name)
{
#ifdef _WIN32
    const wchar_t* value = _wgetenv(platform::nativeFromUtf8(name).c_str());
    return value ? std::optional(platform::utf8FromNative(value)) : std::nullopt;
#else
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
#endif
}

void removeEnvironmentVariable(const char* name)
{
#ifdef _WIN32
    _wputenv_s(platform::nativeFromUtf8(name).c_str(), L""); // an empty value removes it
#else
    unsetenv(name);
#endif
}

} // namespace

void setEnvironmentVariable(const char* name, const std::string& utf8Value)
{
#ifdef _WIN32
    _wputenv_s(platform::nativeFromUtf8(name).c_str(), platform::nativeFromUtf8(utf8Value).c_str());
#else
    setenv(name, utf8Value.c_str(), 1);
#endif
}

EnvironmentVariableScope::EnvironmentVariableScope(const char* name, const std::string& utf8Value)
    : m_name(name), m_before(currentValue(name))
{
    setEnvironmentVariable(name, utf8Value);
}

EnvironmentVariableScope::~EnvironmentVariableScope()
{
    if (m_before)
        setEnvironmentVariable(m_name, *m_before);
    else
        removeEnvironmentVariable(m_name);
}

} // namespace ravello::testing
