#include "endings/end_dlg.h"

#include "game/game_core.h"
#include "game/language.h"
#include "save/diary_file.h"

namespace korvalin {

void EndDlg::OKBtnClick()
{
    game_.stage.restartJourney(WindowId::EndDlg);
}

// A diary that cannot be written is reported and the game goes on: the
// window comes back on the next tick, and giving up again does not repeat
// the last line.
void EndDlg::CancelBtnClick()
{
    GameState& s = game_.state;
    const std::string_view giveUp = tr(GiveUpLine);
    if (game_.diary.get(s.dd) != giveUp)
        game_.appendDiaryLine(giveUp);
    if (const Result<> saved = saveDiaryFile(game_.saveFiles.diary, game_.diary.lines()); !saved) {
        game_.ui.warning(saved.message());
        return;
    }
    s.yen = 0;
    s.quitf = true;
    game_.ui.requestMainWindowClose();
}

}  // namespace korvalin
