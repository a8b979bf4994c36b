#include "services/bank_dlg.h"

#include <string>

#include "game/clamped_sum.h"
#include "session/game.h"

namespace korvalin {

namespace {

// Collected in Japan, the money is the course's starting money: the hiker
// says what he thinks of it.
std::string_view courseMoneyRemark(std::int32_t amount)
{
    switch (amount) {
        case 200000:
            return "　　20万か、しめしめ、大名旅行が出来そうだ。";
        case 100000:
            return "　　10万か、まあいいか。";
        case 50000:
            return "　　5万か、しけてやんの。";
        default:
            return {};
    }
}

}  // namespace

void BankDlg::FormActivate()
{
    const std::int32_t yokin = game_.state.yokin;
    if (yokin < 1)
        Lines = {std::string(NothingDeposited), "", ""};
    else
        Lines = {std::string(Deposited), std::to_string(yokin) + "円", std::string(Question)};
}

void BankDlg::OKBtnClick()
{
    GameState& s = game_.state;
    game_.appendDiaryLine("　　銀行で" + std::to_string(s.yokin) + "円受け取る。");
    if (game_.japanWestOfHiker()) {
        if (const std::string_view remark = courseMoneyRemark(s.yokin); !remark.empty())
            game_.appendDiaryLine(remark);
    }
    addClamped(s.yen, s.yokin);
    s.yokin = 0;
    game_.ui.close(WindowId::BankDlg);
}

void BankDlg::CancelBtnClick()
{
    game_.ui.close(WindowId::BankDlg);
}

}  // namespace korvalin
