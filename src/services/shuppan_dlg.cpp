#include "services/shuppan_dlg.h"

#include <algorithm>
#include <span>

#include "game/game_core.h"
#include "game/language.h"
#include "save/diary_file.h"

namespace korvalin {

void ShuppanDlg::FormShow()
{
    Caption = fill(tr(CaptionTemplate), game_.state.Namae);
    Text = fill(tr(OfferTemplate), game_.state.Namae);
}

void ShuppanDlg::OKBtnClick()
{
    Text = tr(Preparing);
    const auto& lines = game_.diary.lines();
    if (const Result<> saved = saveDiaryFile(game_.saveFiles.diary, lines); !saved) {
        // The diary is still whole in memory: the player may try again or cancel.
        game_.ui.warning(saved.message());
        return;
    }
    // The trailer after the last entry is not part of the book; `dd` may
    // have counted past the last line.
    const int last = std::min(game_.state.dd, Diary::LineCount - 1);
    game_.ui.printLines(std::span(lines).first(static_cast<std::size_t>(last) + 1));
    game_.ui.close(WindowId::ShuppanDlg);
}

void ShuppanDlg::CancelBtnClick()
{
    game_.ui.close(WindowId::ShuppanDlg);
}

}  // namespace korvalin
