#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "game/result.h"
#include "save/atomic_file.h"
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
// A save whose rename fails puts the old files back the same way, through
// a journal naming temporary copies of them. Nothing but a journal and
// temporaries the game made is ever removed.
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
    // with the message to show when the renames cannot be finished, or when
    // something the game did not write stands at the journal's name.
    Result<> settle(const FolderLock& held) const;

    // Replaces the files named in `contents`, which are all of the unit's
    // files or some of them, or fails with the message to show and the old
    // files as they were. Only when the disk cannot even take the old files
    // back is a save left half done, and its journal finishes it at the
    // next settle; the message says so.
    Result<> replace(const FolderLock& held, std::span<const NewContents> contents) const;

private:
    // A file as it was before a save, to be put back if the save cannot put
    // all its files in place: nothing when it cannot be read.
    struct Previous {
        bool existed;
        std::optional<std::string> bytes;
    };
    static Previous previousOf(const std::filesystem::path& file);
    // Puts a journal naming the temporaries of `files` in place.
    bool writeJournal(std::span<const PendingFile> files) const;
    // After the files `placed` went in place and the rename of `failed`
    // did not, the old files back, or, on a disk that cannot take them, the
    // save left to its journal (`pending`, whose temporaries it names).
    Result<> putBack(std::span<const NewContents> placed, std::span<const Previous> previous,
                     std::span<PendingFile> pending, const std::filesystem::path& failed) const;

    // The names of the temporaries in a journal under the game's header, or
    // nothing when it cannot be trusted: one that names anything but a
    // regular temporary beside a file of the unit, or is cut short.
    std::optional<std::vector<std::string>> temporariesIn(std::string_view journal) const;
    bool isUnitFile(const std::optional<std::string>& name) const;
    Result<> finish(const std::vector<std::string>& temporaries) const;
    void removeJournal() const;
    void removeLeftovers() const;

    std::filesystem::path folder_;
    std::filesystem::path journal_;
    std::vector<std::filesystem::path> files_;
};

}  // namespace korvalin
