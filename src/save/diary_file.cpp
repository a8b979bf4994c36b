#include "save/diary_file.h"

#include "game/diary.h"
#include "save/atomic_file.h"
#include "save/cp932.h"
#include "save/file_messages.h"
#include "save/folder_lock.h"

namespace korvalin {

namespace {

constexpr std::string_view WindowsLineEnd = "\r\n";

// The diary is its 1500 lines however long the journey: whole journeys
// write 14 to 18 KB, and 1500 lines each as long as the longest entry with
// the longest name would still be under 2 MB.
constexpr std::uintmax_t LargestDiaryFile = 16 << 20;

}  // namespace

std::optional<std::string> encodeDiaryLines(std::span<const std::string> lines,
                                            std::size_t* badLine)
{
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<std::string> line = toCp932(lines[i]);
        if (!line) {
            if (badLine)
                *badLine = i;
            return std::nullopt;
        }
        bytes += *line;
        bytes += WindowsLineEnd;
    }
    return bytes;
}

std::optional<std::vector<std::string>> decodeDiaryLines(std::string_view bytes,
                                                         std::size_t* badLine,
                                                         std::size_t lineLimit)
{
    std::vector<std::string> lines;
    while (!bytes.empty() && lines.size() < lineLimit) {
        const std::size_t end = bytes.find_first_of("\r\n");
        const std::optional<std::string> line = fromCp932(bytes.substr(0, end));
        if (!line) {
            if (badLine)
                *badLine = lines.size();
            return std::nullopt;
        }
        lines.push_back(*line);
        if (end == std::string_view::npos)
            break;
        const bool crLf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        bytes.remove_prefix(end + (crLf ? 2 : 1));
    }
    return lines;
}

Result<std::string> diaryFileBytes(const std::filesystem::path& path,
                                   std::span<const std::string> lines)
{
    std::size_t badLine = 0;
    std::optional<std::string> encoded = encodeDiaryLines(lines, &badLine);
    if (!encoded) {
        return Failure{
            fill(tr("日記の%1行目にShift-JISで書けない文字があるため、%2を保存できませんでした。"),
                 badLine + 1, quotedPath(path))};
    }
    return std::move(*encoded);
}

Result<> saveDiaryFile(const std::filesystem::path& path, std::span<const std::string> lines)
{
    const Result<std::string> bytes = diaryFileBytes(path, lines);
    if (!bytes)
        return Failure{bytes.message()};
    const std::optional<FolderLock> held = FolderLock::take(path.parent_path());
    if (!held)
        return Failure{folderInUseMessage(path.parent_path(), NotSavedInUse)};
    if (!isRegularOrMissing(path))
        return Failure{notAFileToSaveMessage(path)};
    if (!writeFileAtomically(path, *bytes))
        return Failure{cannotWriteMessage(path)};
    return {};
}

ReadFault readDiaryBytes(const std::filesystem::path& path, std::string& bytes)
{
    return readRegularFile(path, LargestDiaryFile, bytes);
}

std::string diaryReadMessage(ReadFault fault, const std::filesystem::path& path)
{
    return readFaultMessage(fault,
                            {.notAFile = "日記ファイル%1は普通のファイルではないため読めません。",
                             .tooLarge = "日記ファイル%1は日記ではありません（大きすぎます）。",
                             .unreadable = "日記ファイル%1が読めません。"},
                            path);
}

Result<std::vector<std::string>> diaryFromBytes(const std::filesystem::path& path,
                                                std::string_view bytes)
{
    std::size_t badLine = 0;
    std::optional<std::vector<std::string>> decoded =
        decodeDiaryLines(bytes, &badLine, Diary::LineCount);
    if (!decoded) {
        return Failure{fill(tr("日記ファイル%1は壊れています（%2行目が読めません）。"),
                            quotedPath(path), badLine + 1)};
    }
    return std::move(*decoded);
}

}  // namespace korvalin
