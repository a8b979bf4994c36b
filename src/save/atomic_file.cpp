#include "save/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace korvalin {

namespace {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::optional<PendingFile> PendingFile::write(const std::filesystem::path& path,
                                              std::string_view bytes)
{
    std::string temporary = path.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return std::nullopt;
    // mkstemp makes the file private; a diary or a save is an ordinary file.
    const bool written = ::fchmod(fd, 0644) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temporary.c_str());
        return std::nullopt;
    }
    return PendingFile(path, std::move(temporary));
}

PendingFile::PendingFile(std::filesystem::path path, std::string temporary)
    : path_(std::move(path)), temporary_(std::move(temporary))
{
}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : path_(std::move(other.path_)), temporary_(std::exchange(other.temporary_, {}))
{
}

PendingFile::~PendingFile()
{
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
}

bool PendingFile::commit()
{
    const bool renamed = ::rename(temporary_.c_str(), path_.c_str()) == 0;
    if (renamed)
        temporary_.clear();
    return renamed;
}

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    std::optional<PendingFile> pending = PendingFile::write(path, bytes);
    return pending && pending->commit();
}

bool syncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

}  // namespace korvalin
