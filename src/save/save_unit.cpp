#include "save/save_unit.h"

#include <cstdio>
#include <system_error>
#include <utility>

#include "save/atomic_file.h"
#include "save/file_messages.h"
#include "save/regular_file.h"

namespace korvalin {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view JournalHeader = "Korvalin save journal";
constexpr std::string_view JournalEnd = "end";

// A journal names a handful of files; one this large the game never wrote.
constexpr std::uintmax_t LargestJournal = 1 << 16;

// A temporary file is its file's name, a dot and the six letters or digits
// mkstemp put in place of its XXXXXX.
constexpr std::size_t TemporarySuffix = 7;

bool isTemporaryOf(std::string_view name, std::string_view fileName)
{
    if (name.size() != fileName.size() + TemporarySuffix || !name.starts_with(fileName) ||
        name[fileName.size()] != '.')
        return false;
    for (const char c : name.substr(fileName.size() + 1)) {
        const bool letterOrDigit =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!letterOrDigit)
            return false;
    }
    return true;
}

fs::path folderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The next line of `text`, which loses it and its LF.
std::string_view nextLine(std::string_view& text)
{
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    return line;
}

}  // namespace

SaveUnit::SaveUnit(fs::path journal, std::vector<fs::path> files)
    : folder_(folderOf(journal)), journal_(std::move(journal)), files_(std::move(files))
{
}

std::optional<FolderLock> SaveUnit::lock() const
{
    return FolderLock::take(folder_);
}

Result<> SaveUnit::settle(const FolderLock&) const
{
    std::string journal;
    switch (readRegularFile(journal_, LargestJournal, journal)) {
        case ReadFault::Missing:
            break;
        case ReadFault::Unreadable:
            return Failure{fill(tr("%1が読めません。"), quotedPath(journal_))};
        case ReadFault::None:
            if (const auto temporaries = temporariesIn(journal)) {
                if (Result<> finished = finish(*temporaries); !finished)
                    return finished;
                break;
            }
            [[fallthrough]];
        default: {
            // The game writes its journals whole; this one it cannot trust.
            std::error_code error;
            fs::remove(journal_, error);
        }
    }
    removeLeftovers();
    return {};
}

Result<> SaveUnit::replace(const FolderLock& held, std::span<const NewContents> contents) const
{
    if (Result<> settled = settle(held); !settled)
        return settled;
    std::vector<PendingFile> pending;
    pending.reserve(contents.size());
    std::string journal = std::string(JournalHeader) + "\n";
    for (const NewContents& file : contents) {
        // The journal could not name a file outside its folder.
        std::optional<PendingFile> written = folderOf(file.path) == folder_
                                                 ? PendingFile::write(file.path, file.bytes)
                                                 : std::nullopt;
        if (!written)
            return Failure{cannotWriteMessage(file.path)};
        journal += fs::path(written->temporary()).filename().string() + "\n";
        pending.push_back(std::move(*written));
    }
    journal += std::string(JournalEnd) + "\n";
    if (!writeFileAtomically(journal_, journal) || !syncFolder(folder_))
        return Failure{cannotWriteMessage(journal_)};

    // From here on the journal puts the new files in place, even after a kill.
    std::vector<std::string> temporaries;
    for (PendingFile& file : pending) {
        temporaries.push_back(fs::path(file.temporary()).filename().string());
        file.keep();
    }
    return finish(temporaries);
}

std::optional<std::vector<std::string>> SaveUnit::temporariesIn(std::string_view journal) const
{
    if (nextLine(journal) != JournalHeader)
        return std::nullopt;
    std::vector<std::string> temporaries;
    while (!journal.empty()) {
        const std::string_view name = nextLine(journal);
        if (name == JournalEnd)
            return journal.empty() ? std::optional(temporaries) : std::nullopt;
        bool ours = false;
        for (const fs::path& saved : files_)
            ours = ours || isTemporaryOf(name, saved.filename().string());
        // A temporary already gone was renamed before the save was killed.
        std::error_code error;
        const fs::file_type type = fs::symlink_status(folder_ / name, error).type();
        if (!ours || (type != fs::file_type::regular && type != fs::file_type::not_found))
            return std::nullopt;
        temporaries.emplace_back(name);
    }
    return std::nullopt;
}

Result<> SaveUnit::finish(const std::vector<std::string>& temporaries) const
{
    for (const std::string& name : temporaries) {
        const fs::path temporary = folder_ / name;
        const fs::path saved = folder_ / name.substr(0, name.size() - TemporarySuffix);
        std::error_code error;
        if (fs::exists(temporary, error) && std::rename(temporary.c_str(), saved.c_str()) != 0)
            return Failure{cannotWriteMessage(saved)};
    }
    // The new files must be in place for good before the journal goes.
    syncFolder(folder_);
    std::error_code keptForTheNextSettle;
    fs::remove(journal_, keptForTheNextSettle);
    syncFolder(folder_);
    return {};
}

void SaveUnit::removeLeftovers() const
{
    std::vector<fs::path> names = files_;
    names.push_back(journal_);
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder_, error)) {
        for (const fs::path& saved : names) {
            if (isTemporaryOf(entry.path().filename().string(), saved.filename().string()))
                fs::remove(entry.path(), error);
        }
    }
}

}  // namespace korvalin
