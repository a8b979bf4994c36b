#include "services/jusin_dlg.h"

#include <cstdint>

#include "game/clamped_sum.h"
#include "game/game_core.h"
#include "game/language.h"
#include "services/telegram_replies.h"

namespace korvalin {

namespace {

const TelegramReply& drawReply(GameCore& game, const TelegramReplies& replies)
{
    game.state.denpono = static_cast<std::uint8_t>(game.random.randInt(10));
    return replies[game.state.denpono];
}

}  // namespace

void JusinDlg::FormShow()
{
    GameState& s = game_.state;
    s.jusin3 = s.sosin3 && std::int64_t{s.day} >= std::int64_t{s.dayp} + PassportAnswerDelay;
    const TelegramReply* reply = nullptr;
    if (s.jusin3) {
        s.sosin3 = false;
        reply = &drawReply(game_, PassportReplies);
        game_.appendDiaryLine(tr(reply->diaryLine));
    } else if (s.jusin1 || s.jusin2) {
        game_.appendDiaryLine(tr(ReceivedLine));
        reply = &drawReply(game_, s.jusin1 ? GreetingReplies : MoneyReplies);
        if (!reply->diaryLine.empty())
            game_.appendDiaryLine(tr(reply->diaryLine));
    }
    if (!reply) {
        Label1Caption = tr(NoneArrived);
        Label2Caption.clear();
        game_.appendDiaryLine(tr(NothingLine));
        return;
    }
    Label1Caption = tr(Arrived);
    Label2Caption = tr(reply->text);
    addClamped(s.yokin, reply->money);
    // The answers are read once they are shown, however the window is then
    // closed: showing it again must not credit the same money twice. An
    // answer that arrived with a more urgent one is lost with it.
    s.jusin1 = false;
    s.jusin2 = false;
}

// The passport answer stays due until OK: until then a hiker without money
// may still take more work.
void JusinDlg::OKBtnClick()
{
    game_.state.jusin3 = false;
    game_.ui.close(WindowId::JusinDlg);
}

}  // namespace korvalin
