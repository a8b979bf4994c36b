#include "services/kaimono_dlg.h"

#include "game/game_core.h"
#include "game/language.h"
#include "game/loss_divisor.h"
#include "services/goods.h"

namespace korvalin {

namespace {
// The belly-band keeps the passport safe: it is sold only to a hiker
// without one, and makes a loss four times rarer.
constexpr int BellyBandSafety = 4;
}  // namespace

KaimonoDlg::KaimonoDlg(GameCore& game) : game_(game)
{
    showGoods();
}

void KaimonoDlg::showGoods()
{
    for (std::size_t i = 0; i < ShopGoods.size(); ++i)
        KaimonoButtons[i].Caption = tr(ShopGoods[i].good.caption);
}

const Good* KaimonoDlg::goodOfRow(int k) const
{
    if (k <= static_cast<int>(ShopGoods.size()))
        return &ShopGoods[static_cast<std::size_t>(k - 1)].good;
    const CityGood* special = cityGood(ShopCityGoods, game_.state.toshi);
    if (!special || (special->good.owned == &GameState::HaveHaramaki && game_.state.HaveHaramaki))
        return nullptr;
    return &special->good;
}

void KaimonoDlg::FormActivate()
{
    const GameState& s = game_.state;
    showGoods();
    const Good* special = goodOfRow(6);
    KaimonoButton6Visible = special != nullptr;
    if (special)
        KaimonoButtons[5].Caption = tr(special->caption);
    for (std::size_t i = 0; i < ShopGoods.size(); ++i)
        KaimonoButtons[i].Enabled = !(s.*ShopGoods[i].good.owned);
    // The map with the diary includes the map.
    if (s.Nikki)
        KaimonoButtons[0].Enabled = false;
}

void KaimonoDlg::OKBtnClick()
{
    for (int k = 1; k <= static_cast<int>(KaimonoButtons.size()); ++k) {
        const bool shown = k < 6 || KaimonoButton6Visible;
        if (!shown || !KaimonoButtons[static_cast<std::size_t>(k - 1)].chosen())
            continue;
        if (const Good* good = goodOfRow(k))
            buy(*good, k == 6);
        return;
    }
}

void KaimonoDlg::buy(const Good& good, bool cityGood)
{
    GameState& s = game_.state;
    if (s.yen < good.price) {
        game_.ui.message(tr(NoMoneyMessage));
        return;
    }
    s.buy = true;
    s.yen -= good.price;
    s.*good.owned = true;
    if (good.owned == &GameState::HaveHaramaki)
        s.kk = raisedLossDivisor(s.kk, BellyBandSafety);
    game_.appendDiaryLine(tr(good.diaryLine));
    game_.ui.close(WindowId::KaimonoDlg);
    if (cityGood)
        KaimonoButton6Visible = false;
    if (good.owned == &GameState::HaveUma)
        game_.ui.message(tr(HorseMessage));
}

void KaimonoDlg::CancelBtnClick()
{
    game_.ui.close(WindowId::KaimonoDlg);
}

}  // namespace korvalin
