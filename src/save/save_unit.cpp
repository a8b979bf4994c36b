#include "save/save_unit.h"

#include <cstdio>
#include <fstream>
#include <set>
#include <system_error>
#include <utility>

#include "save/atomic_file.h"
#include "save/file_messages.h"

namespace korvalin {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view JournalHeader = "Korvalin save journal";
constexpr std::string_view JournalEnd = "end";

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

}  // namespace

SaveUnit::SaveUnit(fs::path journal, std::vector<fs::path> files)
    : journal_(std::move(journal)), files_(std::move(files))
{
}

std::optional<std::string> SaveUnit::settle() const
{
    std::error_code error;
    const bool journalLeft = fs::exists(journal_, error);
    if (error)
        return quotedPath(journal_) + "が読めません。";
    if (journalLeft) {
        if (const auto temporaries = readJournal()) {
            if (auto unfinished = finish(*temporaries))
                return unfinished;
        } else {
            // The game writes its journals whole; this one it cannot trust.
            fs::remove(journal_, error);
        }
    }
    removeLeftovers();
    return std::nullopt;
}

std::optional<std::string> SaveUnit::replace(std::span<const NewContents> contents) const
{
    if (auto unsettled = settle())
        return unsettled;
    std::vector<PendingFile> pending;
    pending.reserve(contents.size());
    std::string journal = std::string(JournalHeader) + "\n";
    for (const NewContents& file : contents) {
        std::optional<PendingFile> written = PendingFile::write(file.path, file.bytes);
        if (!written)
            return cannotWriteMessage(file.path);
        journal += written->temporary() + "\n";
        pending.push_back(std::move(*written));
    }
    journal += std::string(JournalEnd) + "\n";
    if (!writeFileAtomically(journal_, journal) || !syncFolder(folderOf(journal_)))
        return cannotWriteMessage(journal_);

    // From here on the journal puts the new files in place, even after a kill.
    std::vector<std::string> temporaries;
    for (PendingFile& file : pending) {
        temporaries.push_back(file.temporary());
        file.keep();
    }
    return finish(temporaries);
}

std::optional<std::vector<std::string>> SaveUnit::readJournal() const
{
    std::ifstream file(journal_, std::ios::binary);
    std::string line;
    if (!std::getline(file, line) || line != JournalHeader)
        return std::nullopt;
    std::vector<std::string> temporaries;
    while (std::getline(file, line)) {
        if (line == JournalEnd)
            return temporaries;
        // Only a temporary of one of the unit's own files is renamed.
        const fs::path temporary(line);
        bool ours = false;
        for (const fs::path& saved : files_) {
            ours =
                ours || (folderOf(temporary) == folderOf(saved) &&
                         isTemporaryOf(temporary.filename().string(), saved.filename().string()));
        }
        if (!ours)
            return std::nullopt;
        temporaries.push_back(line);
    }
    return std::nullopt;
}

// A temporary already gone was renamed before the save was killed.
std::optional<std::string> SaveUnit::finish(const std::vector<std::string>& temporaries) const
{
    std::set<fs::path> folders{folderOf(journal_)};
    for (const std::string& temporary : temporaries) {
        const fs::path saved = temporary.substr(0, temporary.size() - TemporarySuffix);
        std::error_code error;
        if (fs::exists(temporary, error) && std::rename(temporary.c_str(), saved.c_str()) != 0)
            return cannotWriteMessage(saved);
        folders.insert(folderOf(saved));
    }
    // The new files must be in place for good before the journal goes.
    for (const fs::path& folder : folders)
        syncFolder(folder);
    std::error_code keptForTheNextSettle;
    fs::remove(journal_, keptForTheNextSettle);
    syncFolder(folderOf(journal_));
    return std::nullopt;
}

void SaveUnit::removeLeftovers() const
{
    std::vector<fs::path> names = files_;
    names.push_back(journal_);
    for (const fs::path& saved : names) {
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folderOf(saved), error)) {
            if (isTemporaryOf(entry.path().filename().string(), saved.filename().string()))
                fs::remove(entry.path(), error);
        }
    }
}

}  // namespace korvalin
