#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "world/tile_sheet.h"

namespace korvalin {

// A start-up step that leaves the game unplayable, with the message that
// tells the player why.
class StartupError : public std::runtime_error {
public:
    explicit StartupError(const std::string& message) : std::runtime_error(message) {}
};

// What the player is told when the tile sheet cannot be used, naming the
// file or, when none was found, every place looked in.
inline constexpr std::string_view TileSheetMissingText =
    "ファイル Map25.BMP が見つかりません。\n探した場所：\n%1Korvalinを起動できません。";
inline constexpr std::string_view TileSheetUnreadableText =
    "ファイル %1 を読み込めません。\nKorvalinを起動できません。";
inline constexpr std::string_view TileSheetBrokenText =
    "ファイル %1 は正しいビットマップではありません。\n"
    "256×256ドットのBMPファイルが必要です。Korvalinを起動できません。";

inline constexpr std::string_view TileSheetPlaceLine = "　%1\n";

std::string tileSheetMessage(TileSheetFault fault, const std::vector<std::string>& places);

}  // namespace korvalin
