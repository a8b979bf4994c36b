#include "save/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace korvalin {

// The kernel's lock on the folder itself.
std::optional<FolderLock> FolderLock::take(const std::filesystem::path& folder)
{
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return FolderLock(-1);
    int locked = 0;
    do
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    if (locked != 0 && errno == EWOULDBLOCK) {
        ::close(fd);
        return std::nullopt;
    }
    // A file system without locks is one no other copy can lock either.
    return FolderLock(fd);
}

FolderLock::~FolderLock()
{
    // Closing the folder gives the lock up.
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_));
}

}  // namespace korvalin
