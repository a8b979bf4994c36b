#include "save/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "save/system_calls.h"

namespace korvalin {

namespace {

constexpr std::string_view TemporaryMark = ".korvalin-tmp-";
// mkstemp's six letters or digits.
constexpr std::string_view UniquePart = "XXXXXX";

bool isLetterOrDigit(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

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

}  // namespace

std::optional<std::string> fileOfTemporary(std::string_view name)
{
    const std::size_t mark = name.rfind(TemporaryMark);
    if (!name.starts_with('.') || mark == std::string_view::npos || mark < 2 ||
        name.size() != mark + TemporaryMark.size() + UniquePart.size())
        return std::nullopt;
    for (const char c : name.substr(mark + TemporaryMark.size())) {
        if (!isLetterOrDigit(c))
            return std::nullopt;
    }
    return std::string(name.substr(1, mark - 1));
}

std::optional<std::string> fileOfJournalledTemporary(std::string_view name)
{
    if (std::optional<std::string> file = fileOfTemporary(name))
        return file;
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || name.size() - dot - 1 != UniquePart.size() ||
        !std::ranges::all_of(name.substr(dot + 1), isLetterOrDigit))
        return std::nullopt;
    return std::string(name.substr(0, dot));
}

std::optional<PendingFile> PendingFile::write(const std::filesystem::path& path,
                                              std::string_view bytes)
{
    std::string temporary = (path.parent_path() / ("." + path.filename().string()))
                                .concat(TemporaryMark)
                                .concat(UniquePart)
                                .string();
    const SystemCalls& calls = systemCalls();
    const int fd = calls.mkstemp(temporary.data());
    if (fd < 0)
        return std::nullopt;
    // mkstemp makes the file private; a diary or a save is an ordinary file,
    // where the file system keeps modes at all (a FAT stick does not).
    calls.fchmod(fd, 0644);
    const bool written = writeAll(fd, bytes) && calls.fsync(fd) == 0;
    const bool closed = calls.close(fd) == 0;
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
    const bool renamed = systemCalls().rename(temporary_.c_str(), path_.c_str()) == 0;
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
    const SystemCalls& calls = systemCalls();
    const int fd = calls.open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool synced = calls.fsync(fd) == 0;
    return calls.close(fd) == 0 && synced;
}

}  // namespace korvalin
