#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <utility>

namespace korvalin {

// One game at a time in a save folder: a save, a load and the start's
// settle each hold the folder while they read or replace its files, so two
// copies of the game started side by side never mix their saves. The lock
// is the system's: it leaves no file behind, and it goes with the process
// that held it, so a copy killed while saving never blocks the next.
class FolderLock {
public:
    // Nothing when another copy of the game holds the folder. A folder that
    // cannot be opened is held by no one: the reads and writes of its files
    // then tell what is wrong with it.
    static std::optional<FolderLock> take(const std::filesystem::path& folder);

    FolderLock(FolderLock&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}
    FolderLock& operator=(FolderLock&&) = delete;
    ~FolderLock();

private:
    explicit FolderLock(std::intptr_t handle) : handle_(handle) {}

    // What holds the lock, as the system numbers it (a descriptor, a
    // Windows handle); -1 when the folder could not be opened.
    std::intptr_t handle_;
};

}  // namespace korvalin
