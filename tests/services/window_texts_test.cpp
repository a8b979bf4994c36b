// Every text of the title screen, the diary window and the notices must be
// writable in Shift-JIS and come back unchanged.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "save/cp932.h"
#include "services/about_box.h"
#include "services/chokko_dlg.h"
#include "services/lost_dlg.h"
#include "services/namae_dlg.h"
#include "services/nikki_dlg.h"
#include "services/shuppan_dlg.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/shift_jis.h"
#include "title/help_dlg.h"

namespace korvalin {
namespace {

std::vector<std::string> fixedTexts()
{
    std::vector<std::string> texts = {
        std::string(HelpDlg::VersionTitle),     std::string(HelpDlg::NewJourneyCaption),
        std::string(HelpDlg::InGameCaption),    std::string(HelpDlg::NoCourseMessage),
        std::string(HelpDlg::LoadCaption),      std::string(HelpDlg::LevelCaption),
        std::string(HelpDlg::StartCaption),     std::string(HelpDlg::ContentsCaption),
        std::string(HelpDlg::PreviousCaption),  std::string(HelpDlg::NextCaption),
        std::string(HelpDlg::LoadHint),         std::string(HelpDlg::LevelHint),
        std::string(HelpDlg::StartHint),        std::string(HelpDlg::PreviousHint),
        std::string(HelpDlg::NextHint),         std::string(NamaeDlg::Prompt),
        std::string(NamaeDlg::OkCaption),       std::string(NamaeDlg::UnwritableNameMessage),
        std::string(NikkiDlg::Button1Caption),  std::string(NikkiDlg::CaptionTemplate),
        std::string(ShuppanDlg::OfferTemplate), std::string(ShuppanDlg::CaptionTemplate),
        std::string(ShuppanDlg::Preparing),     std::string(ShuppanDlg::OkCaption),
        std::string(ShuppanDlg::CancelCaption), std::string(LostDlg::OkCaption),
        std::string(ChokkoDlg::Text),           std::string(ChokkoDlg::OkCaption),
        std::string(AboutBox::ProductName),     std::string(AboutBox::ReleaseDate),
        std::string(AboutBox::OkCaption),
    };
    for (const Course& course : Courses) {
        texts.emplace_back(course.caption);
        texts.emplace_back(course.hint);
    }
    for (std::string_view line : LostDlg::Lines)
        texts.emplace_back(line);
    return texts;
}

// The lines START writes, with the name the player typed.
std::vector<std::string> startLines()
{
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    ui.onModal = [&](WindowId) {
        game.NamaeDlg.Password = "ﾋｯﾁ虹子";
        game.NamaeDlg.OKBtnClick();
    };
    game.HelpDlg.FormCreate();
    game.HelpDlg.choosePauperCourse();
    game.HelpDlg.FormActivate();
    game.HelpDlg.startOrResume();
    game.ShuppanDlg.FormShow();
    game.NikkiDlg.FormShow(1024);
    return {game.diary.get(1),    game.diary.get(3),       game.diary.get(4),
            game.ShuppanDlg.Text, game.ShuppanDlg.Caption, game.NikkiDlg.Caption};
}

TEST(WindowTexts, AllRoundTripThroughShiftJis)
{
    for (const std::string& text : fixedTexts())
        expectShiftJisRoundTrip(text);
    for (const std::string& text : startLines())
        expectShiftJisRoundTrip(text);
}

TEST(WindowTexts, HalfWidthKanaStayHalfWidth)
{
    EXPECT_EQ(toCp932(ShuppanDlg::CancelCaption), "\xb7\xac\xdd\xbe\xd9");
    EXPECT_EQ(toCp932("ﾊﾟｽﾜｰﾄﾞ ﾀﾞｲｱﾛｸﾞ"),
              "\xca\xdf\xbd\xdc\xb0\xc4\xde\x20\xc0\xde\xb2\xb1\xdb\xb8\xde");
}

TEST(WindowTexts, TheVersionLineUsesFullWidthParentheses)
{
    EXPECT_EQ(toCp932(AboutBox::ProductName), "Korvalin\x81\x69V2.5\x81\x6a");
}

}  // namespace
}  // namespace korvalin
