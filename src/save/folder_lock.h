#pragma once

#include <filesystem>
#include <optional>

namespace korvalin {

// One game at a time in a save folder: a save, a load and the start's
// settle each hold the folder while they read or replace its files, so two
// copies of the game started side by side never mix their saves. The lock
// is the kernel's, on the folder itself: it leaves no file behind, and it
// goes with the process that held it, so a copy killed while saving never
// blocks the next.
class FolderLock {
public:
    // Nothing when another copy of the game holds the folder. A folder that
    // cannot be opened is held by no one: the reads and writes of its files
    // then tell what is wrong with it.
    static std::optional<FolderLock> take(const std::filesystem::path& folder);

    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&&) = delete;
    ~FolderLock();

private:
    explicit FolderLock(int fd) : fd_(fd) {}

    int fd_;  // -1 when the folder could not be opened
};

}  // namespace korvalin
