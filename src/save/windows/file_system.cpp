#include "save/file_system.h"

#include <windows.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>

#include "save/regular_file.h"

namespace korvalin {

namespace {

// Closes a handle at the end of its scope.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle()
    {
        if (valid())
            CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    // Closes it now; false when closing fails.
    bool close() { return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE handle_;
};

bool isMissing(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// The pattern's last six letters replaced by letters and digits.
std::wstring uniqueName(const std::filesystem::path& pattern)
{
    static constexpr wchar_t Letters[] =
        L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(Letters) - 2);
    std::wstring name = pattern.native();
    for (std::size_t i = name.size() - 6; i < name.size(); ++i)
        name[i] = Letters[pick(random)];
    return name;
}

bool writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD block = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), block, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

ReadFault readAll(HANDLE file, std::uintmax_t limit, std::string& bytes)
{
    return readUpTo(limit, bytes, [file](char* buffer, std::size_t size) {
        DWORD got = 0;
        if (!ReadFile(file, buffer, static_cast<DWORD>(size), &got, nullptr))
            return std::ptrdiff_t{-1};
        return std::ptrdiff_t{got};
    });
}

}  // namespace

std::optional<std::filesystem::path> writeUniqueFile(const std::filesystem::path& pattern,
                                                     std::string_view bytes)
{
    // As many tries as mkstemp makes before it gives up.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring path = uniqueName(pattern);
        Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid() && GetLastError() == ERROR_FILE_EXISTS)
            continue;
        if (!file.valid())
            return std::nullopt;
        const bool written = writeAll(file.get(), bytes) && FlushFileBuffers(file.get());
        if (!file.close() || !written) {
            DeleteFileW(path.c_str());
            return std::nullopt;
        }
        return path;
    }
    return std::nullopt;
}

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// Windows flushes no folder: each rename was written through to the disk
// before MoveFileExW returned. The folder only has to be there.
bool syncFolder(const std::filesystem::path& folder)
{
    const DWORD attributes = GetFileAttributesW(folder.empty() ? L"." : folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::filesystem::path programPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return "korvalin.exe";
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// Windows says who may write a folder in its access lists, which only
// making a file there reads right: a file that goes when it is closed.
bool isWritableFolder(const std::filesystem::path& folder)
{
    const Handle probe(CreateFileW(uniqueName(folder / L".korvalin-probe-XXXXXX").c_str(),
                                   GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return probe.valid();
}

std::filesystem::path userDataFolder()
{
    const wchar_t* localAppData = _wgetenv(L"LOCALAPPDATA");
    return std::filesystem::path(localAppData ? localAppData : L"") / L"Korvalin";
}

// A link is followed, as it is everywhere else; a folder or a device (a
// console, a pipe, NUL) is no file to read.
ReadFault readRegularFile(const std::filesystem::path& path, std::uintmax_t limit,
                          std::string& bytes)
{
    const Handle file(CreateFileW(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid())
        return isMissing(GetLastError()) ? ReadFault::Missing : ReadFault::Unreadable;
    BY_HANDLE_FILE_INFORMATION information{};
    LARGE_INTEGER size{};
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return ReadFault::NotAFile;
    if (!GetFileInformationByHandle(file.get(), &information) || !GetFileSizeEx(file.get(), &size))
        return ReadFault::Unreadable;
    if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return ReadFault::NotAFile;
    if (static_cast<std::uintmax_t>(size.QuadPart) > limit)
        return ReadFault::TooLarge;
    return readAll(file.get(), limit, bytes);
}

// Not followed here: a link or a junction in a file's place is not the
// game's to replace.
bool isRegularOrMissing(const std::filesystem::path& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return isMissing(GetLastError());
    return !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
}

}  // namespace korvalin
