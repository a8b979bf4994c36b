#include "save/folder_lock.h"

#include <windows.h>

namespace korvalin {

// A file in the folder that one copy of the game at a time can open, and
// that goes when it is closed, whether by the game or by Windows at the
// end of a copy that was killed.
std::optional<FolderLock> FolderLock::take(const std::filesystem::path& folder)
{
    const std::filesystem::path lock = (folder.empty() ? "." : folder) / ".korvalin-lock";
    // The few moments a closed lock is still being removed, Windows refuses
    // to open it as it refuses a folder it does not let the game write.
    constexpr int Attempts = 5;
    for (int attempt = 1;; ++attempt) {
        const HANDLE handle = CreateFileW(
            lock.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
            FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (handle != INVALID_HANDLE_VALUE)
            return FolderLock(reinterpret_cast<std::intptr_t>(handle));
        const DWORD error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION)
            return std::nullopt;
        if (error != ERROR_ACCESS_DENIED || attempt == Attempts)
            return FolderLock(-1);
        Sleep(1);
    }
}

FolderLock::~FolderLock()
{
    if (handle_ != -1)
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace korvalin
