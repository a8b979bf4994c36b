#pragma once

#include <string_view>

namespace korvalin::box_texts {

// The titles and buttons of the game's message boxes, and the one message
// only the platform gives.
inline constexpr std::string_view MessageTitle = "Korvalin";
inline constexpr std::string_view ConfirmTitle = "確認";
inline constexpr std::string_view WarningTitle = "警告";
inline constexpr std::string_view Yes = "はい(&Y)";
inline constexpr std::string_view No = "いいえ(&N)";
inline constexpr std::string_view Cancel = "ｷｬﾝｾﾙ";
inline constexpr std::string_view PrintFailed =
    "印刷できませんでした。\nプリンタの設定を確かめてください。";
inline constexpr std::string_view CatalogueUnreadable = "「%1」の翻訳を読めませんでした。";

}  // namespace korvalin::box_texts
