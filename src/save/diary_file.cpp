#include "save/diary_file.h"

#include <fstream>
#include <iterator>

#include "app/diary.h"
#include "save/atomic_file.h"
#include "save/cp932.h"

namespace korvalin {

namespace {

constexpr std::string_view WindowsLineEnd = "\r\n";

std::string quoted(const std::filesystem::path& path)
{
    return "「" + path.string() + "」";
}

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
                                                         std::size_t* badLine)
{
    std::vector<std::string> lines;
    while (!bytes.empty()) {
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

std::optional<std::string> saveDiaryFile(const std::filesystem::path& path,
                                         std::span<const std::string> lines)
{
    std::size_t badLine = 0;
    const std::optional<std::string> bytes = encodeDiaryLines(lines, &badLine);
    if (!bytes) {
        return "日記の" + std::to_string(badLine + 1) +
               "行目にShift-JISで書けない文字があるため、" + quoted(path) +
               "を保存できませんでした。";
    }
    if (!writeFileAtomically(path, *bytes))
        return quoted(path) + "に書き込めませんでした。";
    return std::nullopt;
}

std::optional<std::string> loadDiaryFile(const std::filesystem::path& path, Diary& diary)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return "日記ファイル" + quoted(path) + "が読めません。";
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        return "日記ファイル" + quoted(path) + "が読めません。";

    std::size_t badLine = 0;
    const std::optional<std::vector<std::string>> lines = decodeDiaryLines(bytes, &badLine);
    if (!lines) {
        return "日記ファイル" + quoted(path) + "は壊れています（" + std::to_string(badLine + 1) +
               "行目が読めません）。日記は読み込む前のままです。";
    }
    diary.replaceAll(*lines);
    return std::nullopt;
}

}  // namespace korvalin
