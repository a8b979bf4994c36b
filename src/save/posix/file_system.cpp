#include "save/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

#include "save/posix/system_calls.h"
#include "save/regular_file.h"

namespace korvalin {

namespace {

// A write cut short by a signal is tried again; one that writes nothing is
// a disk that takes no more.
bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = systemCalls().write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A read that a signal broke off is tried again.
ReadFault readAll(int fd, std::uintmax_t limit, std::string& bytes)
{
    return readUpTo(limit, bytes, [fd](char* buffer, std::size_t size) {
        ssize_t got;
        do
            got = ::read(fd, buffer, size);
        while (got < 0 && errno == EINTR);
        return std::ptrdiff_t{got};
    });
}

}  // namespace

std::optional<std::filesystem::path> writeUniqueFile(const std::filesystem::path& pattern,
                                                     std::string_view bytes)
{
    std::string path = pattern.string();
    const SystemCalls& calls = systemCalls();
    const int fd = calls.mkstemp(path.data());
    if (fd < 0)
        return std::nullopt;
    // mkstemp makes the file private; a diary or a save is an ordinary file,
    // where the file system keeps modes at all (a FAT stick does not).
    calls.fchmod(fd, 0644);
    const bool written = writeAll(fd, bytes) && calls.fsync(fd) == 0;
    const bool closed = calls.close(fd) == 0;
    if (!written || !closed) {
        ::unlink(path.c_str());
        return std::nullopt;
    }
    return path;
}

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return systemCalls().rename(from.c_str(), to.c_str()) == 0;
}

bool syncFolder(const std::filesystem::path& folder)
{
    const SystemCalls& calls = systemCalls();
    const int fd = calls.open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool synced = calls.fsync(fd) == 0;
    return calls.close(fd) == 0 && synced;
}

std::filesystem::path programPath()
{
    std::error_code unknown;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", unknown);
    return unknown ? std::filesystem::path("korvalin") : path;
}

bool isWritableFolder(const std::filesystem::path& folder)
{
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// An unset, empty or relative XDG_DATA_HOME means the default folder.
std::filesystem::path userDataFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && std::filesystem::path(dataHome).is_absolute())
        return std::filesystem::path(dataHome) / "korvalin";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : "") / ".local" / "share" / "korvalin";
}

ReadFault readRegularFile(const std::filesystem::path& path, std::uintmax_t limit,
                          std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? ReadFault::Missing : ReadFault::Unreadable;
    struct stat status {};
    ReadFault fault = ReadFault::None;
    if (::fstat(fd, &status) != 0)
        fault = ReadFault::Unreadable;
    else if (!S_ISREG(status.st_mode))
        fault = ReadFault::NotAFile;
    else if (static_cast<std::uintmax_t>(status.st_size) > limit)
        fault = ReadFault::TooLarge;
    else
        fault = readAll(fd, limit, bytes);
    ::close(fd);
    return fault;
}

bool isRegularOrMissing(const std::filesystem::path& path)
{
    std::error_code error;
    const std::filesystem::file_type type = std::filesystem::symlink_status(path, error).type();
    return type == std::filesystem::file_type::regular ||
           type == std::filesystem::file_type::not_found;
}

}  // namespace korvalin
