#include "save/atomic_file.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "save/file_system.h"

namespace korvalin {

namespace {

constexpr std::string_view TemporaryMark = ".korvalin-tmp-";
// The six letters or digits that make a temporary's name unique.
constexpr std::string_view UniquePart = "XXXXXX";

bool isLetterOrDigit(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

void removeTemporary(const std::filesystem::path& temporary)
{
    std::error_code leftForTheNextSettle;
    std::filesystem::remove(temporary, leftForTheNextSettle);
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
    // "." and the name joined as the system spells it, never through a
    // narrow string, which Windows would read in another code page.
    std::filesystem::path pattern = path.parent_path() / ".";
    pattern += path.filename();
    pattern += TemporaryMark;
    pattern += UniquePart;
    std::optional<std::filesystem::path> temporary = writeUniqueFile(pattern, bytes);
    if (!temporary)
        return std::nullopt;
    return PendingFile(path, std::move(*temporary));
}

PendingFile::PendingFile(std::filesystem::path path, std::filesystem::path temporary)
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
        removeTemporary(temporary_);
}

bool PendingFile::commit()
{
    const bool renamed = replaceFile(temporary_, path_);
    if (renamed)
        temporary_.clear();
    return renamed;
}

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    std::optional<PendingFile> pending = PendingFile::write(path, bytes);
    return pending && pending->commit();
}

}  // namespace korvalin
