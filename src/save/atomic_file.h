#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace korvalin {

// The name of the file that `name` is a temporary file of, when `name` is
// one the game makes: a dot, the file's name and a mark no player types, so
// that the game never takes a player's "Nikki.txt.backup" for its own.
std::optional<std::string> fileOfTemporary(std::string_view name);

// The same for a name a save's journal gives, which may also be one of
// the game's earlier temporaries, "<file>.XXXXXX": the journal proves it
// the game's own, so a save such a version left half done is still
// finished.
std::optional<std::string> fileOfJournalledTemporary(std::string_view name);

// The new contents of a file, written and flushed to a temporary file in
// the same folder and put in the file's place only by commit(). Until then
// the old file is untouched; a replacement never committed is removed.
class PendingFile {
public:
    // Nothing when the temporary file cannot be made or written whole.
    static std::optional<PendingFile> write(const std::filesystem::path& path,
                                            std::string_view bytes);

    PendingFile(PendingFile&& other) noexcept;
    PendingFile& operator=(PendingFile&&) = delete;
    ~PendingFile();

    // Renames the temporary file over the old one. False when that fails;
    // the old file is then intact and the temporary file gone.
    bool commit();

    const std::filesystem::path& temporary() const { return temporary_; }

    // Hands the temporary file on to whoever puts it in place instead (a
    // save unit's journal): it is no longer removed.
    void keep() { temporary_.clear(); }

private:
    PendingFile(std::filesystem::path path, std::filesystem::path temporary);

    std::filesystem::path path_;
    std::filesystem::path temporary_;  // empty once committed or handed on
};

// Replaces the file at `path` with `bytes` so that a crash or a full disk
// never leaves half a file. False when any step fails; the old file is then
// intact and no temporary file is left behind.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace korvalin
