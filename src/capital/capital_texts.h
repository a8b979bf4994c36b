#pragma once

#include <array>
#include <string_view>

namespace korvalin::capital_texts {

// The window's fixed captions.
inline constexpr std::string_view Heading = "何処へ行きますか";
inline constexpr std::string_view Button7Caption = "ビザの取得";
inline constexpr std::string_view OkCaption = "首都を出る";
inline constexpr std::string_view CancelCaption = "買い物";
inline constexpr std::string_view EmbassySuffix = "大使館";
inline constexpr std::array<std::string_view, 5> FactCaptions = {"面積", "人口", "民族", "言語",
                                                                 "貨幣"};

// The action bar's hints, SpeedButton1 .. SpeedButton12.
inline constexpr std::array<std::string_view, 12> Hints = {
    "都市を出る", "アルバイト", "買い物",     "質屋",       "電報",   "銀行",
    "日記",       "ヘルプ",     "地図を見る", "ｹﾞｰﾑの保存", "大使館", "日本大使館"};

// Diary lines of a city: %1 is its name.
inline constexpr std::string_view ArrivalLine = "　　%1に到着。";
inline constexpr std::string_view DepartureLine = "　　%1を出発。";

// Leaving.
inline constexpr std::string_view NoPassportToLeave = "パスポート再交付まで首都を出れません。";
inline constexpr std::string_view LeaveWithoutVisa = "次の国のビザを取得しないのですか？";

// The visa.
inline constexpr std::string_view NoSelection = "ビザを取得しなくていいのですか？";
inline constexpr std::string_view NoPassportForVisa = "パスポートがないのでビザを発行できません";
inline constexpr std::string_view CrowdedCounter = "窓口が混雑しています。一週間待ちますか？";
inline constexpr std::string_view IssueVisa = "ビザを発行します。入国しますか？";
inline constexpr std::string_view FeeShort = "手数料が足りません";
inline constexpr std::string_view VisaAfterWeek = "　　ビザを取得。";
inline constexpr std::string_view VisaAfterDay = "　　ビザを取得";
// %1 is the embassy.
inline constexpr std::string_view ApplicationLine = "　　%1でビザを申請。";
inline constexpr std::string_view CrowdedApplicationLine =
    "　　%1でビザを申請。混でて１週間かかるそうだ。";

// The Japanese embassy.
inline constexpr std::string_view Reissue =
    "パスポートを再交付します。\n一週間かかります。\n手続き料１万円です";
inline constexpr std::string_view ReissueVisitLine =
    "　　日本大使館にパスポート再交付の手続きに行った。";
inline constexpr std::string_view ReissueFeeShort = "手続き料が足りません";
inline constexpr std::string_view ReissueNoMoneyLine = "　　パスポートを再交付するお金がなかった。";
inline constexpr std::string_view ReissuedLine =
    "　　やっとこさパスポートが再交付された。ヤレヤレ。";
inline constexpr std::string_view Greeting = "ヒッチハイクですか？\n大変ですね。頑張ってください。";
// %1 is the player's name.
inline constexpr std::string_view GreetingLine =
    "　　日本大使館を覗いてみたら%1さん、ヒッチハイクですか、それはそれは、と言われた。";

// The action bar.
inline constexpr std::string_view AlreadyShopped = "もう買い物は済んでいます";
inline constexpr std::string_view TelegramsAbroadOnly = "出国後に電報が打てます";
inline constexpr std::string_view MapLine = "　　地図で方向を確かめた。うむ、こっちか。";

}  // namespace korvalin::capital_texts
