#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "game/result.h"
#include "save/folder_lock.h"

namespace korvalin {

struct NewContents {
    std::filesystem::path path;
    std::string bytes;
};

// The files of one saved game, replaced as one: after a kill at any moment
// the next start or load finds all the old files or all the new ones.
//
// A save writes and flushes every new file to a temporary file beside it,
// then writes a journal naming those temporaries, renames them over the
// files and removes the journal. A journal found later was left by a save
// killed while renaming, and its renames are finished; temporary files no
// journal names were left by a save killed before its journal, and go.
//
// The journal and the files lie in one folder, and the journal names the
// temporaries by their names alone: a folder moved between a kill and the
// next start (a copy on a stick) finishes its save all the same.
class SaveUnit {
public:
    SaveUnit(std::filesystem::path journal, std::vector<std::filesystem::path> files);

    // The unit's folder, held for one settle or one replacement; nothing
    // when another copy of the game holds it.
    std::optional<FolderLock> lock() const;
    const std::filesystem::path& folder() const { return folder_; }

    // What a start, a load and a save do first: finish the renames of a
    // journal left behind, then remove the temporary files earlier saves
    // left (only names the game makes, only beside the unit's files). Fails
    // with the message to show when the renames cannot be finished.
    Result<> settle(const FolderLock& held) const;

    // Replaces the files named in `contents`, which are all of the unit's
    // files or some of them, or fails with the message to show; a failure
    // before the journal leaves the old files as they were, one after it
    // leaves the journal for the next settle.
    Result<> replace(const FolderLock& held, std::span<const NewContents> contents) const;

private:
    // The names of the journal's temporaries, or nothing when it is not one
    // the game wrote: one that names anything but a regular file beside a
    // file of the unit is not.
    std::optional<std::vector<std::string>> temporariesIn(std::string_view journal) const;
    Result<> finish(const std::vector<std::string>& temporaries) const;
    void removeLeftovers() const;

    std::filesystem::path folder_;
    std::filesystem::path journal_;
    std::vector<std::filesystem::path> files_;
};

}  // namespace korvalin
