#include "world/tile_sheet.h"

namespace korvalin {

std::string TileSheet::missingFileMessage(const std::vector<std::string>& places)
{
    std::string message = "ファイル Map25.BMP が見つかりません。\n探した場所：\n";
    for (const std::string& place : places)
        message += "　" + place + "\n";
    return message + "Korvalinを起動できません。";
}

std::string TileSheet::unreadableFileMessage(const std::string& path)
{
    return "ファイル " + path + " を読み込めません。\nKorvalinを起動できません。";
}

std::string TileSheet::brokenFileMessage(const std::string& path)
{
    return "ファイル " + path +
           " は正しいビットマップではありません。\n"
           "256×256ドットのBMPファイルが必要です。Korvalinを起動できません。";
}

}  // namespace korvalin
