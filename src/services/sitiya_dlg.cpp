#include "services/sitiya_dlg.h"

#include <algorithm>

#include "game/clamped_sum.h"
#include "game/game_core.h"
#include "game/language.h"
#include "services/goods.h"

namespace korvalin {

SitiyaDlg::SitiyaDlg(GameCore& game) : game_(game)
{
    showGoods();
}

void SitiyaDlg::showGoods()
{
    for (std::size_t i = 0; i < PawnGoods.size(); ++i)
        SitiyaButtons[i].Caption = tr(PawnGoods[i].caption);
}

// The souvenir this city's pawn shop buys, while the hiker owns it.
const Good* SitiyaDlg::souvenirOfCity() const
{
    const CityGood* souvenir = cityGood(PawnCityGoods, game_.state.toshi);
    if (!souvenir || !(game_.state.*souvenir->good.owned))
        return nullptr;
    return &souvenir->good;
}

void SitiyaDlg::FormActivate()
{
    showGoods();
    for (std::size_t i = 0; i < PawnGoods.size(); ++i)
        SitiyaButtons[i].Enabled = game_.state.*PawnGoods[i].owned;
    const Good* souvenir = souvenirOfCity();
    SitiyaButton6Visible = souvenir != nullptr;
    if (souvenir)
        SitiyaButtons[5].Caption = tr(souvenir->caption);
    for (Choice& box : SitiyaButtons)
        box.Checked = false;
}

void SitiyaDlg::SitiyaButtonClick(int k)
{
    Choice& box = SitiyaButtons[static_cast<std::size_t>(k - 1)];
    box.Checked = !box.Checked;
}

void SitiyaDlg::OKBtnClick()
{
    std::array<const Good*, 6> rows{};
    std::ranges::transform(PawnGoods, rows.begin(), [](const Good& good) { return &good; });
    rows.back() = SitiyaButton6Visible ? souvenirOfCity() : nullptr;

    GameState& s = game_.state;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Good* good = rows[i];
        if (!good || !SitiyaButtons[i].chosen() || !(s.*good->owned))
            continue;
        addClamped(s.yen, good->price);
        s.*good->owned = false;
        game_.appendDiaryLine(tr(good->diaryLine));
    }
    game_.ui.close(WindowId::SitiyaDlg);
    SitiyaButton6Visible = false;
}

void SitiyaDlg::CancelBtnClick()
{
    game_.ui.close(WindowId::SitiyaDlg);
}

}  // namespace korvalin
