// SPDX-License-Identifier: MIT
#include "core/platform/program_entry.h"

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h> // with shellapi.h's CommandLineToArgvW

#include "core/platform/native_text.h"
#endif

namespace ravello::platform {

#ifdef _WIN32

std::vector<std::string> utf8Arguments(int, char**)
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int index = 1; arguments && index < count; ++index)
        utf8.push_back(utf8FromNative(arguments[index]));
    LocalFree(arguments);
    return utf8;
}

void useBinaryStandardStreams()
{
    for (std::FILE* stream : {stdin, stdout, stderr})
        _setmode(_fileno(stream), _O_BINARY);
}

#else

std::vector<std::string> utf8Arguments(int argc, char** argv)
{
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void useBinaryStandardStreams() {}

#endif

} // namespace ravello::platform
