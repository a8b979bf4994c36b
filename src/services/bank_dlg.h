#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvalin {

class GameCore;

// The bank, where the course money and money from home wait.
class BankDlg {
public:
    static constexpr std::string_view NothingDeposited = "入金されていません";
    static constexpr std::string_view Deposited = "下記の金額が入金されています。";
    static constexpr std::string_view Question = "受け取りますか？";
    static constexpr std::string_view OkCaption = "受け取り";
    static constexpr std::string_view CancelCaption = "ｷｬﾝｾﾙ";
    // The sum waiting and the diary's line when it is collected (templates
    // of withYen).
    static constexpr std::string_view SumLine = "%1円";
    static constexpr std::string_view ReceiptLine = "　　銀行で%1円受け取る。";

    // Collected in Japan, the course's starting money draws a remark.
    struct CourseMoneyRemark {
        std::int32_t amount;
        std::string_view line;
    };
    static constexpr std::array<CourseMoneyRemark, 3> CourseMoneyRemarks{{
        {200000, "　　20万か、しめしめ、大名旅行が出来そうだ。"},
        {100000, "　　10万か、まあいいか。"},
        {50000, "　　5万か、しけてやんの。"},
    }};

    explicit BankDlg(GameCore& game) : game_(game) {}

    // Runs on every activation and on show.
    void FormActivate();
    void OKBtnClick();
    void CancelBtnClick();

    std::array<std::string, 3> Lines;  // Label1 .. Label3

private:
    GameCore& game_;
};

}  // namespace korvalin
