#include "services/bank_dlg.h"

#include <string>

#include "game/clamped_sum.h"
#include "game/game_core.h"
#include "game/language.h"
#include "services/yen_template.h"

namespace korvalin {

void BankDlg::FormActivate()
{
    const std::int32_t yokin = game_.state.yokin;
    if (yokin < 1)
        Lines = {std::string(tr(NothingDeposited)), "", ""};
    else
        Lines = {std::string(tr(Deposited)), withYen(SumLine, yokin), std::string(tr(Question))};
}

void BankDlg::OKBtnClick()
{
    GameState& s = game_.state;
    game_.appendDiaryLine(withYen(ReceiptLine, s.yokin));
    if (game_.japanWestOfHiker()) {
        for (const CourseMoneyRemark& remark : CourseMoneyRemarks) {
            if (remark.amount == s.yokin)
                game_.appendDiaryLine(tr(remark.line));
        }
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
