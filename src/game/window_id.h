#pragma once

#include <array>
#include <string_view>

#include "game/language.h"

namespace korvalin {

// The game's windows, in the order they are created at start-up.
enum class WindowId {
    Travel,
    CapitalDlg,
    HelpDlg,
    LondonDlg,
    ArbeitDlg,
    EndDlg,
    AboutBox,
    WorldMap,
    LostDlg,
    KaimonoDlg,
    SitiyaDlg,
    SosinDlg,
    DenpoDlg,
    JusinDlg,
    BankDlg,
    ChokkoDlg,
    SosindDlg,
    NikkiDlg,
    NamaeDlg,
    ShuppanDlg,
    FlagDlg,
};

inline constexpr int WindowCount = 21;

struct WindowInfo {
    WindowId id;
    std::string_view className;
    std::string_view caption;
    int progress;  // the splash gauge after the window is created
};

// Creation order, captions and the splash gauge's progress after each.
inline constexpr std::array<WindowInfo, WindowCount> WindowTable{{
    {WindowId::Travel, "TTravel", "Korvalin ver 2.6", 1},
    {WindowId::CapitalDlg, "TCapitalDlg", "ﾀﾞｲｱﾛｸﾞ", 2},
    {WindowId::HelpDlg, "THelpDlg", "Korvalin Help", 3},
    {WindowId::LondonDlg, "TLondonDlg", "ロンドン到着！！", 4},
    {WindowId::ArbeitDlg, "TArbeitDlg", "ArbeitDlg", 5},
    {WindowId::EndDlg, "TEndDlg", "ﾀﾞｲｱﾛｸﾞ", 6},
    {WindowId::AboutBox, "TAboutBox", "ﾊﾞｰｼﾞｮﾝ情報", 7},
    {WindowId::WorldMap, "TWorldMap", "WorldMap", 8},
    {WindowId::LostDlg, "TLostDlg", "ﾊﾟｽﾎﾟｰﾄ紛失", 9},
    {WindowId::KaimonoDlg, "TKaimonoDlg", "買い物", 10},
    {WindowId::SitiyaDlg, "TSitiyaDlg", "質屋", 11},
    {WindowId::SosinDlg, "TSosinDlg", "電報送信", 12},
    {WindowId::DenpoDlg, "TDenpoDlg", "電報局", 13},
    {WindowId::JusinDlg, "TJusinDlg", "電報受信", 14},
    {WindowId::BankDlg, "TBankDlg", "銀行", 15},
    {WindowId::ChokkoDlg, "TChokkoDlg", "Korvalin", 16},
    {WindowId::SosindDlg, "TSosindDlg", "電報", 17},
    {WindowId::NikkiDlg, "TNikkiDlg", "日記", 18},
    {WindowId::NamaeDlg, "TNamaeDlg", "ﾊﾟｽﾜｰﾄﾞ ﾀﾞｲｱﾛｸﾞ", 19},
    {WindowId::ShuppanDlg, "TShuppanDlg", "日記", 20},
    {WindowId::FlagDlg, "TFlagDlg", "国旗", 24},
}};

inline constexpr int SplashGaugeMax = 25;

// A window's caption in the language of play. Two windows that share a
// caption in Japanese can be told apart in another: the catalogue's entry
// under the window's class name, when there is one, comes first.
inline std::string_view captionOf(WindowId id)
{
    const WindowInfo& window = WindowTable[static_cast<std::size_t>(id)];
    const std::string_view own = tr(window.className, window.caption);
    return own != window.caption ? own : tr(window.caption);
}

}  // namespace korvalin
