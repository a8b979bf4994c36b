// Every text of the endings and the saved game, fixed or made from the
// player's journey, must be writable in Shift-JIS and come back unchanged.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "save/saved_game.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/shift_jis.h"
#include "support/temp_dir.h"

namespace korvalin {
namespace {

std::vector<std::string> fixedTexts()
{
    std::vector<std::string> texts;
    for (std::string_view text :
         {EndDlg::OkCaption, EndDlg::CancelCaption, EndDlg::GiveUpLine, LondonDlg::Label1Caption,
          LondonDlg::Label2Caption, LondonDlg::Label3Caption, LondonDlg::Label4Caption,
          LondonDlg::Label5Caption, LondonDlg::Label6Caption, SavedMessage, VisaFirstMessage,
          DiaryOnlySavedMessage, NoSavedGameMessage})
        texts.emplace_back(text);
    for (std::string_view line : EndDlg::Lines)
        texts.emplace_back(line);
    return texts;
}

// The result lines of both judgements, on every course, and the messages
// of a load that fails.
std::vector<std::string> journeyTexts()
{
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    std::vector<std::string> texts;
    for (int day : {190 * MinutesPerDay, 190 * MinutesPerDay + 1}) {
        for (bool* course : {&game.state.Level1, &game.state.Level2, &game.state.Level3}) {
            game.state.Level1 = game.state.Level2 = game.state.Level3 = false;
            *course = true;
            game.state.day = day;
            game.LondonDlg.FormCreate();
            for (int tick = 0; tick < 108; ++tick)
                game.LondonDlg.stepCelebration();
            texts.push_back(game.LondonDlg.Label7.Caption);
            texts.push_back(game.LondonDlg.Label8.Caption);
        }
    }
    testing::TempDir dir;
    testing::writeBytes(dir / "bad.ini", "[Other]\r\n");
    testing::writeBytes(dir / "ok.ini", "[State]\r\n");
    game.loadSavedGame({dir / "bad.ini", dir / "Nikki.txt", dir / "Kiseki.txt"});
    game.loadSavedGame({dir / "ok.ini", dir / "Nikki.txt", dir / "Kiseki.txt"});
    for (const auto& call : ui.calls)
        texts.push_back(call.detail);
    return texts;
}

TEST(EndingTexts, AllRoundTripThroughShiftJis)
{
    std::vector<std::string> texts = fixedTexts();
    for (std::string& text : journeyTexts())
        texts.push_back(std::move(text));
    for (const std::string& text : texts)
        expectShiftJisRoundTrip(text);
}

}  // namespace
}  // namespace korvalin
