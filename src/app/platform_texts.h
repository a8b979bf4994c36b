#pragma once

#include <string_view>

namespace korvalin::platform_texts {

// The texts only the platform shows: the titles and buttons of the game's
// message boxes, its own messages, and the window shown while the game starts.
inline constexpr std::string_view MessageTitle = "Korvalin";
inline constexpr std::string_view ConfirmTitle = "確認";
inline constexpr std::string_view WarningTitle = "警告";
inline constexpr std::string_view Yes = "はい(&Y)";
inline constexpr std::string_view No = "いいえ(&N)";
inline constexpr std::string_view Cancel = "ｷｬﾝｾﾙ";
inline constexpr std::string_view PrintFailed =
    "印刷できませんでした。\nプリンタの設定を確かめてください。";
inline constexpr std::string_view CatalogueUnreadable = "「%1」の翻訳を読めませんでした。";
inline constexpr std::string_view SplashTitle = "           Korvalin起動中";
inline constexpr std::string_view PleaseWait = "少々お待ちください";

}  // namespace korvalin::platform_texts
