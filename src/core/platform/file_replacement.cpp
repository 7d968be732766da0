// SPDX-License-Identifier: MIT
#include "core/platform/file_replacement.h"

#ifdef _WIN32
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>
#include <windows.h>
#endif

namespace ravello::platform {
namespace fs = std::filesystem;

#ifdef _WIN32

namespace {

constexpr int kAttempts = 10;
constexpr auto kPauseBetweenAttempts = std::chrono::milliseconds(100);
// FileRenameInfoEx, which MinGW's headers declare only for a _WIN32_WINNT no build uses.
constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);

// With POSIX semantics (Windows 10 1809 and later, on NTFS) the name passes to the new file
// even while readers that allow deletion hold the old one, as on Linux. Older systems, other
// file systems and Wine refuse the request: the classic move follows.
bool renamedWithPosixSemantics(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    const std::wstring target = fs::absolute(to, error).native();
    if (error)
        return false;
    const HANDLE file = CreateFileW(from.c_str(), DELETE | SYNCHRONIZE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const DWORD nameBytes = static_cast<DWORD>(target.size() * sizeof(wchar_t));
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes, 0);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->Flags = FILE_RENAME_FLAG_REPLACE_IF_EXISTS | FILE_RENAME_FLAG_POSIX_SEMANTICS;
    info->FileNameLength = nameBytes;
    std::memcpy(info->FileName, target.data(), nameBytes);
    const bool renamed = SetFileInformationByHandle(file, kFileRenameInfoEx, info,
                                                    static_cast<DWORD>(buffer.size())) != 0;
    CloseHandle(file);
    return renamed;
}

// Errors that end when the program holding the old file lets go of it.
bool mayPass(DWORD error, const fs::path& to)
{
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED &&
        error != ERROR_LOCK_VIOLATION)
        return false;
    // A folder in the file's place is refused with the same error, and for good.
    const DWORD attributes = GetFileAttributesW(to.c_str());
    return attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

std::error_code replaceFile(const fs::path& from, const fs::path& to)
{
    for (int attempt = 1;; ++attempt) {
        if (renamedWithPosixSemantics(from, to) ||
            MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0)
            return {};
        const DWORD error = GetLastError();
        if (attempt == kAttempts || !mayPass(error, to))
            return std::error_code(static_cast<int>(error), std::system_category());
        std::this_thread::sleep_for(kPauseBetweenAttempts);
    }
}

#else

std::error_code replaceFile(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    fs::rename(from, to, error);
    return error;
}

#endif

} // namespace ravello::platform
