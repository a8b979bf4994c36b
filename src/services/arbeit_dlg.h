#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvalin {

class GameCore;

// The part-time job of the capital stay: the job is drawn by the capital
// screen, the player only says for how many days.
class ArbeitDlg {
public:
    static constexpr std::string_view Question = "何日働きますか？";
    static constexpr std::string_view DaysUnit = "日";
    static constexpr std::string_view OkCaption = "OK";
    static constexpr std::string_view CancelCaption = "キャンセル";
    static constexpr std::string_view NoDaysMessage = "働く日数を入力してください。";
    static constexpr std::string_view NotANumberMessage =
        "働く日数は半角の数字（整数）で入力してください。";
    static constexpr std::string_view TooManyDaysMessage = "働く日数が大きすぎます。";
    static constexpr std::string_view TenDaysMessage = "10日以上の長期アルバイトは出来ません";
    static constexpr std::string_view NoMoreWorkMessage =
        "これ以上アルバイト出来ません\nいったん首都を出てください";
    // The diary's line for the wages of a first job (a template of withYen).
    static constexpr std::string_view WagesLine = "　　バイト代%1円受け取る。";
    static constexpr int DayLimit = 10;  // refused from this many days while the passport is held

    explicit ArbeitDlg(GameCore& game) : game_(game) {}

    void FormShow();
    void FormActivate();
    void takeJob();
    void declineJob();

    std::string Label1Caption;  // the job on offer
    std::string Edit1Text;      // the days, as typed
    bool Edit1Enabled = false;

private:
    // The days typed, or nothing after the player has been told what is wrong.
    std::optional<int> readDays();
    // The minutes a first job of `days` days moves the calendar.
    std::int64_t workMinutes(int days) const;
    void workFirstJob(int days);
    void workAgain();

    GameCore& game_;
};

}  // namespace korvalin
