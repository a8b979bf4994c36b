#include "save/save_unit.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "save/atomic_file.h"
#include "save/file_messages.h"
#include "save/file_system.h"
#include "save/regular_file.h"
#include "save/utf8_path.h"

namespace korvalin {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view JournalHeader = "Korvalin save journal";
constexpr std::string_view JournalEnd = "end";

// A journal names a handful of files; one this large the game never wrote.
constexpr std::uintmax_t LargestJournal = 1 << 16;

// What a save puts back when it cannot put all its files in place. The
// files of a save are a diary and a few kilobytes; nothing larger is one.
constexpr std::uintmax_t LargestSavedFile = 1 << 24;

std::string temporaryName(const PendingFile& file)
{
    return utf8Of(file.temporary().filename());
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
    // Only a journal the game wrote is acted on or removed; whatever else
    // stands at its name is the player's.
    if (!isRegularOrMissing(journal_))
        return Failure{foreignJournalMessage(journal_)};
    std::string journal;
    switch (readRegularFile(journal_, LargestJournal, journal)) {
        case ReadFault::Missing:
            break;
        case ReadFault::None:
            if (!journal.starts_with(std::string(JournalHeader) + "\n"))
                return Failure{foreignJournalMessage(journal_)};
            if (const auto temporaries = temporariesIn(journal)) {
                if (Result<> finished = finish(*temporaries); !finished)
                    return finished;
                break;
            }
            // The game writes its journals whole; this one it cannot trust.
            removeJournal();
            break;
        case ReadFault::TooLarge:
            return Failure{foreignJournalMessage(journal_)};
        default:
            return Failure{fill(tr("%1が読めません。"), quotedPath(journal_))};
    }
    removeLeftovers();
    return {};
}

Result<> SaveUnit::replace(const FolderLock& held, std::span<const NewContents> contents) const
{
    if (Result<> settled = settle(held); !settled)
        return settled;
    // A folder or a pipe where a file goes would stop the save halfway.
    for (const NewContents& file : contents) {
        if (!isRegularOrMissing(file.path))
            return Failure{notAFileToSaveMessage(file.path)};
    }
    std::vector<Previous> previous;
    for (const NewContents& file : contents)
        previous.push_back(previousOf(file.path));
    std::vector<PendingFile> pending;
    pending.reserve(contents.size());
    for (const NewContents& file : contents) {
        // The journal could not name a file outside its folder.
        std::optional<PendingFile> written = folderOf(file.path) == folder_
                                                 ? PendingFile::write(file.path, file.bytes)
                                                 : std::nullopt;
        if (!written)
            return Failure{cannotWriteMessage(file.path)};
        pending.push_back(std::move(*written));
    }
    if (!writeJournal(pending))
        return Failure{cannotWriteMessage(journal_)};
    if (!syncFolder(folder_)) {
        removeJournal();
        return Failure{cannotWriteMessage(journal_)};
    }

    // From here on the journal puts the new files in place, even after a kill.
    for (std::size_t i = 0; i < pending.size(); ++i) {
        if (!pending[i].commit())
            return putBack(contents.first(i), previous, pending, contents[i].path);
    }
    syncFolder(folder_);
    removeJournal();
    return {};
}

bool SaveUnit::writeJournal(std::span<const PendingFile> files) const
{
    std::string journal = std::string(JournalHeader) + "\n";
    for (const PendingFile& file : files)
        journal += temporaryName(file) + "\n";
    return writeFileAtomically(journal_, journal + std::string(JournalEnd) + "\n");
}

SaveUnit::Previous SaveUnit::previousOf(const fs::path& file)
{
    std::string bytes;
    switch (readRegularFile(file, LargestSavedFile, bytes)) {
        case ReadFault::None:
            return {.existed = true, .bytes = std::move(bytes)};
        case ReadFault::Missing:
            return {.existed = false, .bytes = std::nullopt};
        default:
            return {.existed = true, .bytes = std::nullopt};
    }
}

Result<> SaveUnit::putBack(std::span<const NewContents> placed, std::span<const Previous> previous,
                           std::span<PendingFile> pending, const fs::path& failed) const
{
    // The old files are written out whole before the first goes back, so
    // that a disk too full for them leaves the journal to finish the save
    // instead.
    std::vector<PendingFile> restored;
    bool restorable = true;
    for (std::size_t i = 0; i < placed.size() && restorable; ++i) {
        std::optional<PendingFile> old =
            previous[i].bytes ? PendingFile::write(placed[i].path, *previous[i].bytes)
                              : std::nullopt;
        restorable = old || !previous[i].existed;
        if (old)
            restored.push_back(std::move(*old));
    }
    // A journal that names the old files puts them back even after a kill;
    // the new temporaries it no longer names go with their PendingFiles.
    if (!restorable || !writeJournal(restored)) {
        for (PendingFile& file : pending)
            file.keep();
        return Failure{saveFinishedLaterMessage(failed)};
    }
    std::vector<std::string> temporaries;
    for (PendingFile& file : restored) {
        temporaries.push_back(temporaryName(file));
        file.keep();
    }
    for (std::size_t i = 0; i < placed.size(); ++i) {
        std::error_code error;
        if (!previous[i].existed)
            fs::remove(placed[i].path, error);
    }
    if (Result<> finished = finish(temporaries); !finished)
        return finished;
    return Failure{cannotWriteMessage(failed)};
}

void SaveUnit::removeJournal() const
{
    std::error_code keptForTheNextSettle;
    fs::remove(journal_, keptForTheNextSettle);
    syncFolder(folder_);
}

std::optional<std::vector<std::string>> SaveUnit::temporariesIn(std::string_view journal) const
{
    nextLine(journal);
    std::vector<std::string> temporaries;
    while (!journal.empty()) {
        const std::string_view name = nextLine(journal);
        if (name == JournalEnd)
            return journal.empty() ? std::optional(temporaries) : std::nullopt;
        if (!isUnitFile(fileOfJournalledTemporary(name)))
            return std::nullopt;
        // A temporary already gone was renamed before the save was killed.
        if (!isRegularOrMissing(folder_ / pathOfUtf8(name)))
            return std::nullopt;
        temporaries.emplace_back(name);
    }
    return std::nullopt;
}

bool SaveUnit::isUnitFile(const std::optional<std::string>& name) const
{
    return name && std::ranges::any_of(files_, [&](const fs::path& file) {
               return utf8Of(file.filename()) == *name;
           });
}

Result<> SaveUnit::finish(const std::vector<std::string>& temporaries) const
{
    for (const std::string& name : temporaries) {
        const fs::path temporary = folder_ / pathOfUtf8(name);
        const fs::path saved = folder_ / pathOfUtf8(*fileOfJournalledTemporary(name));
        std::error_code error;
        if (fs::exists(temporary, error) && !replaceFile(temporary, saved))
            return Failure{cannotWriteMessage(saved)};
    }
    // The new files must be in place for good before the journal goes.
    syncFolder(folder_);
    removeJournal();
    return {};
}

void SaveUnit::removeLeftovers() const
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder_, error)) {
        const std::optional<std::string> file = fileOfTemporary(utf8Of(entry.path().filename()));
        if (isUnitFile(file) || (file && *file == utf8Of(journal_.filename())))
            fs::remove(entry.path(), error);
    }
}

}  // namespace korvalin
